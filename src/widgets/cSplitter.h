#pragma once

#include "widgets/SplitterGeometry.h"

#include <QObject>
#include <QPalette>
#include <QPointer>

class QMouseEvent;
class QWidget;

// Turns a plain container widget into two panes with a draggable bar between them. The host keeps
// owning the four widgets; the splitter positions them, in twips of the container, and converts to
// pixels only when it touches a widget.
class cSplitter : public QObject
{
    Q_OBJECT

public:
    explicit cSplitter(QObject *parent = nullptr);
    ~cSplitter() override;

    // Set by CreateSplitter: 1 side by side (vertical bar), anything else stacked (horizontal bar).
    SplitDirection mDirection = SplitDirection::SideBySide;
    // Extents along the split axis kept for each pane while dragging, in twips.
    int MinLeftPanelWidth = 0;
    int MinRightPanelWidth = 0;
    // Toggled by every SwapPanels.
    bool Swapped = false;
    // When set, Resize pulls a bar lying beyond the new container back inside.
    bool CheckSplitterPos = false;

    static constexpr SplitDirection SideBySide = SplitDirection::SideBySide;
    static constexpr SplitDirection Stacked = SplitDirection::Stacked;

    // How CreateSplitter lays the panes out: the direction,
    // where the bar starts and how thick it is, and the margins left free inside the container.
    // All in twips.
    struct Layout
    {
        SplitDirection direction = SideBySide;
        int splitterStartPos = 0;
        int splitterSize = 0;
        float leftMargin = 0;
        float topMargin = 0;
        float rightMargin = 0;
        float bottomMargin = 0;
    };

    // Takes the widgets into the container and lays them out. Returns false, doing nothing, when a
    // widget is missing or the same widget is given twice.
    [[nodiscard]] bool CreateSplitter(QWidget *container, QWidget *splitter, QWidget *pane1, QWidget *pane2,
                                      const Layout &layout);

    bool LeftPanelVisible() const { return m_leftPanelVisible; }
    void setLeftPanelVisible(bool visible);
    bool RightPanelVisible() const { return m_rightPanelVisible; }
    void setRightPanelVisible(bool visible);
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);

    // The bar's left (side by side) or top (stacked) as last set by the host or by a finished drag.
    float SplitPosition() const { return m_splitPosition; }
    void setSplitPosition(float position);

    // Sizes the container; its resize notification lays the panes out.
    void Resize(float containerHeight, float containerWidth);
    void SwapPanels();
    void Move(float x, float y);

    // With CheckSplitterPos, moves the bar up so the second pane keeps the room a drag would leave it,
    // or, as far as the container has grown since, back toward SplitPosition (never past it), and
    // lays the panes out again; the container's resizes do the same.
    void keepSecondPaneInside();

    // Where everything is now, in twips of the container.
    SplitterGeometry::Layout layout() const { return m_layout; }

signals:
    void PanesArranged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void arrangePanes();
    void fitPanesToBar();
    void readContainerSize();
    void applyLayout();
    void applyRect(QWidget *widget, const SplitterGeometry::Rect &rect) const;
    SplitterGeometry::Rect twipsRect(const QWidget *widget) const;
    void setBarColor(QPalette::ColorRole role);
    void setBarPosition(int position);
    bool created() const;

    void barMousePressed(const QMouseEvent &event);
    void barMouseMoved(const QMouseEvent &event);
    void barMouseReleased();

    QPointer<QWidget> m_container;
    QPointer<QWidget> m_bar;
    QPointer<QWidget> m_pane1;
    QPointer<QWidget> m_pane2;

    SplitterGeometry m_geometry;
    SplitterGeometry::Layout m_layout;
    float m_splitPosition = 0;
    bool m_leftPanelVisible = true;
    bool m_rightPanelVisible = true;
    bool m_visible = true;
    bool m_dragging = false;
    int m_grabX = 0;
    int m_grabY = 0;
    bool m_createdOnce = false;
    int m_checkedExtent = 0; // container extent, twips, when the bar's position was last checked
    int m_twipsPerPixelX = 15;
    int m_twipsPerPixelY = 15;
};
