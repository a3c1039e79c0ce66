#include "widgets/cSplitter.h"

#include "settings/Globals.h"
#include "widgets/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QWidget>

#include <cmath>
#include <set>
#include <utility>

namespace {

int toPixels(int twips, int twipsPerPixel)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

int roundTwips(float value)
{
    return static_cast<int>(std::lround(value));
}

void removeBorder(QWidget *widget)
{
    if (auto *frame = qobject_cast<QFrame *>(widget))
        frame->setFrameShape(QFrame::NoFrame);
}

} // namespace

cSplitter::cSplitter(QObject *parent)
    : QObject(parent)
{
}

cSplitter::~cSplitter()
{
    if (m_container)
        m_container->removeEventFilter(this);
    if (m_bar)
        m_bar->removeEventFilter(this);
}

bool cSplitter::CreateSplitter(QWidget *container, QWidget *splitter, QWidget *pane1, QWidget *pane2,
                               const Layout &layout)
{
    const std::set<QWidget *> distinct{container, splitter, pane1, pane2};
    if (distinct.size() != 4 || distinct.count(nullptr) != 0)
        return false;

    if (m_container)
        m_container->removeEventFilter(this);
    if (m_bar)
        m_bar->removeEventFilter(this);
    m_container = container;
    m_bar = splitter;
    m_pane1 = pane1;
    m_pane2 = pane2;
    m_twipsPerPixelX = Twips::perPixelX();
    m_twipsPerPixelY = Twips::perPixelY();

    splitter->setParent(container);
    pane1->setParent(container);
    pane2->setParent(container);

    mDirection = layout.direction;
    m_geometry = SplitterGeometry(layout.direction,
                                  {roundTwips(layout.leftMargin), roundTwips(layout.topMargin),
                                   roundTwips(layout.rightMargin), roundTwips(layout.bottomMargin)},
                                  layout.splitterSize);

    removeBorder(splitter);
    splitter->setWindowTitle(QString());
    splitter->setAutoFillBackground(true);
    {
        QPalette palette = splitter->palette();
        palette.setColor(QPalette::Window, container->palette().color(container->backgroundRole()));
        splitter->setPalette(palette);
        splitter->setBackgroundRole(QPalette::Window);
    }
    splitter->raise();
    removeBorder(container);
    // Without tracking, moves arrive only while a button is held and the sizing cursor would lag.
    splitter->setMouseTracking(true);

    splitter->show();
    pane1->show();
    pane2->show();
    m_leftPanelVisible = true;
    m_rightPanelVisible = true;

    m_layout.bar = twipsRect(splitter);
    m_layout.pane1 = twipsRect(pane1);
    m_layout.pane2 = twipsRect(pane2);
    readContainerSize();
    m_splitPosition = SplitterGeometry::startPosition(static_cast<float>(layout.splitterStartPos),
                                                      m_geometry.extent(m_layout), m_createdOnce);
    m_geometry.setBarPosition(m_layout, roundTwips(m_splitPosition));

    m_checkedExtent = m_geometry.extent(m_layout);
    container->installEventFilter(this);
    splitter->installEventFilter(this);
    arrangePanes();
    m_createdOnce = true;
    return true;
}

void cSplitter::setLeftPanelVisible(bool visible)
{
    m_leftPanelVisible = visible;
    if (!created())
        return;
    m_bar->setVisible(m_leftPanelVisible && m_rightPanelVisible);
    m_pane1->setVisible(visible);
    m_container->setVisible(m_leftPanelVisible || m_rightPanelVisible);
    arrangePanes();
}

void cSplitter::setRightPanelVisible(bool visible)
{
    m_rightPanelVisible = visible;
    if (!created())
        return;
    m_bar->setVisible(m_leftPanelVisible && m_rightPanelVisible);
    m_container->setVisible(m_leftPanelVisible || m_rightPanelVisible);
    m_pane2->setVisible(visible);
    arrangePanes();
}

void cSplitter::setVisible(bool visible)
{
    m_visible = visible;
    if (m_container)
        m_container->setVisible(visible);
}

void cSplitter::setSplitPosition(float position)
{
    m_splitPosition = position;
    if (!created())
        return;
    setBarPosition(roundTwips(position));
    fitPanesToBar();
}

void cSplitter::Resize(float containerHeight, float containerWidth)
{
    if (!m_container)
        return;
    if (CheckSplitterPos && created()) {
        const bool sideBySide = m_geometry.sideBySide();
        const float newExtent = sideBySide ? containerWidth : containerHeight;
        const auto pulledBack =
            SplitterGeometry::pulledBackBarPosition(m_geometry.barPosition(m_layout), roundTwips(newExtent),
                                                    sideBySide ? m_twipsPerPixelX : m_twipsPerPixelY);
        if (pulledBack)
            setBarPosition(*pulledBack);
    }
    const int height = toPixels(roundTwips(containerHeight), m_twipsPerPixelY);
    const int width = toPixels(roundTwips(containerWidth), m_twipsPerPixelX);
    if (height >= 0)
        m_container->resize(m_container->width(), height);
    if (width >= 0)
        m_container->resize(width, m_container->height());
}

void cSplitter::SwapPanels()
{
    std::swap(m_pane1, m_pane2);
    std::swap(m_layout.pane1, m_layout.pane2);
    if (created())
        arrangePanes();
    Swapped = !Swapped;
}

void cSplitter::Move(float x, float y)
{
    if (m_container)
        m_container->move(toPixels(roundTwips(x), m_twipsPerPixelX),
                          toPixels(roundTwips(y), m_twipsPerPixelY));
}

void cSplitter::keepSecondPaneInside()
{
    // A window that shrinks must not push the second pane out of sight; one that grows again (a
    // window maximised only after its first layout) gets back the split it was given. A drag under
    // way keeps its bar.
    if (!m_container)
        return;
    const bool sideBySide = m_geometry.sideBySide();
    const int twipsPerPixel = sideBySide ? m_twipsPerPixelX : m_twipsPerPixelY;
    const QSize size = m_container->size();
    const int extent = (sideBySide ? size.width() : size.height()) * twipsPerPixel;
    const int previousExtent = std::exchange(m_checkedExtent, extent);
    if (!CheckSplitterPos || !m_rightPanelVisible || !m_leftPanelVisible || m_dragging)
        return;
    const auto position = m_geometry.checkedBarPosition(m_geometry.barPosition(m_layout),
                                                        roundTwips(m_splitPosition), previousExtent, extent,
                                                        MinLeftPanelWidth, MinRightPanelWidth, twipsPerPixel);
    if (position) {
        setBarPosition(*position);
        if (m_container->isVisible())
            arrangePanes();
    }
}

bool cSplitter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_container && event->type() == QEvent::Resize && created()) {
        keepSecondPaneInside();
        arrangePanes();
        emit PanesArranged();
    } else if (watched == m_bar && created()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            barMousePressed(static_cast<const QMouseEvent &>(*event));
            return true;
        case QEvent::MouseMove:
            barMouseMoved(static_cast<const QMouseEvent &>(*event));
            return true;
        case QEvent::MouseButtonRelease:
            barMouseReleased();
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void cSplitter::barMousePressed(const QMouseEvent &event)
{
    if (event.buttons() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_grabX = roundTwips(static_cast<float>(event.position().x() * m_twipsPerPixelX));
    m_grabY = roundTwips(static_cast<float>(event.position().y() * m_twipsPerPixelY));
    setBarColor(QPalette::Dark);
}

void cSplitter::barMouseMoved(const QMouseEvent &event)
{
    const bool sideBySide = m_geometry.sideBySide();
    m_bar->setCursor(sideBySide ? Qt::SplitHCursor : Qt::SplitVCursor);
    if (!m_dragging || event.buttons() != Qt::LeftButton)
        return;
    readContainerSize();
    const int proposed =
        sideBySide ? roundTwips(static_cast<float>(event.position().x() * m_twipsPerPixelX)) - m_grabX
                   : roundTwips(static_cast<float>(event.position().y() * m_twipsPerPixelY)) - m_grabY;
    const int p = proposed + m_geometry.barPosition(m_layout);
    if (!SplitterGeometry::acceptsDragPosition(p, m_geometry.extent(m_layout), MinLeftPanelWidth,
                                               MinRightPanelWidth))
        return;
    setBarPosition(m_geometry.barPositionForDrag(p));
    fitPanesToBar();
}

void cSplitter::barMouseReleased()
{
    m_dragging = false;
    m_splitPosition = static_cast<float>(m_geometry.barPosition(m_layout));
    setBarColor(QPalette::Button);
}

void cSplitter::arrangePanes()
{
    readContainerSize();
    m_geometry.arrangePanes(m_layout, m_leftPanelVisible, m_rightPanelVisible);
    applyLayout();
}

void cSplitter::fitPanesToBar()
{
    readContainerSize();
    m_geometry.fitPanesToBar(m_layout);
    applyLayout();
    emit PanesArranged();
}

void cSplitter::readContainerSize()
{
    m_layout.containerWidth = m_container->width() * m_twipsPerPixelX;
    m_layout.containerHeight = m_container->height() * m_twipsPerPixelY;
}

void cSplitter::applyLayout()
{
    applyRect(m_bar, m_layout.bar);
    applyRect(m_pane1, m_layout.pane1);
    applyRect(m_pane2, m_layout.pane2);
}

void cSplitter::applyRect(QWidget *widget, const SplitterGeometry::Rect &rect) const
{
    // Rounding both edges, not the size, keeps neighbouring widgets touching.
    const int left = toPixels(rect.left, m_twipsPerPixelX);
    const int top = toPixels(rect.top, m_twipsPerPixelY);
    const int right = toPixels(rect.left + rect.width, m_twipsPerPixelX);
    const int bottom = toPixels(rect.top + rect.height, m_twipsPerPixelY);
    widget->setGeometry(left, top, right - left, bottom - top);
}

SplitterGeometry::Rect cSplitter::twipsRect(const QWidget *widget) const
{
    const QRect r = widget->geometry();
    return {r.x() * m_twipsPerPixelX, r.y() * m_twipsPerPixelY, r.width() * m_twipsPerPixelX,
            r.height() * m_twipsPerPixelY};
}

void cSplitter::setBarColor(QPalette::ColorRole role)
{
    QPalette palette = m_bar->palette();
    palette.setColor(QPalette::Window, m_container->palette().color(role));
    m_bar->setPalette(palette);
}

void cSplitter::setBarPosition(int position)
{
    m_geometry.setBarPosition(m_layout, position);
    applyRect(m_bar, m_layout.bar);
}

bool cSplitter::created() const
{
    return m_container && m_bar && m_pane1 && m_pane2;
}
