#include "app/MainWidgets.h"

#include "widgets/ReportListView.h"

#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include <algorithm>

namespace {
// Status bar panel 1: at least 200 pixels, and never narrower than its counts, whatever sits beside it.
class CountsPanel : public QLabel
{
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override
    {
        const QSize text = QLabel::minimumSizeHint();
        return {std::max(text.width(), 200), text.height()};
    }
};

// Report-style lists: whole rows, no editing, flat frame.
void configureList(QAbstractItemView *list)
{
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setFrameShape(QFrame::Box);
    list->setFrameShadow(QFrame::Plain);
    list->setLineWidth(1);
}
} // namespace

MainWidgets MainWidgets::create(QMainWindow *window)
{
    MainWidgets w;
    w.Toolbar1 = window->addToolBar(QStringLiteral("Toolbar"));
    w.Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    w.Toolbar1->setMovable(false);
    w.Toolbar1->setFloatable(false);
    w.Toolbar1->setIconSize(QSize(16, 16));

    w.clientArea = new QWidget(window);
    w.clientArea->setObjectName(QStringLiteral("clientArea"));
    window->setCentralWidget(w.clientArea);

    w.picMainSplitter = new QWidget(w.clientArea);
    w.picMainSplitter->setObjectName(QStringLiteral("picMainSplitter"));
    w.Frame2 = new QWidget(w.picMainSplitter);
    w.Frame2->setObjectName(QStringLiteral("Frame2"));

    w.lvVersionsList = new QTreeWidget(w.picMainSplitter);
    w.lvVersionsList->setObjectName(QStringLiteral("lvVersionsList"));
    configureList(w.lvVersionsList);
    w.lvVersionsList->setHeaderLabels({QStringLiteral("Version")});
    w.lvVersionsList->setRootIsDecorated(false);
    w.lvVersionsList->setUniformRowHeights(true);
    w.lvVersionsList->setSelectionMode(QAbstractItemView::SingleSelection);
    w.lvVersionsList->header()->setStretchLastSection(false);

    w.picSpliterContainer = new QWidget(w.picMainSplitter);
    w.picSpliterContainer->setObjectName(QStringLiteral("picSpliterContainer"));
    w.Frame1 = new QWidget(w.picSpliterContainer);
    w.Frame1->setObjectName(QStringLiteral("Frame1"));

    w.lvChangesList = new ReportListView(w.picSpliterContainer);
    w.lvChangesList->setObjectName(QStringLiteral("lvChangesList"));
    configureList(w.lvChangesList);
    w.lvChangesList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    w.lvChangesList->setShowGrid(true);
    w.lvChangesList->setWordWrap(false);
    w.lvChangesList->setCornerButtonEnabled(false);
    w.lvChangesList->verticalHeader()->hide();
    w.lvChangesList->horizontalHeader()->setSectionsMovable(true);
    w.lvChangesList->horizontalHeader()->setStretchLastSection(false);
    w.lvChangesList->horizontalHeader()->setHighlightSections(false);
    w.lvChangesList->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    w.Text1 = new QPlainTextEdit(w.picSpliterContainer);
    w.Text1->setObjectName(QStringLiteral("Text1"));
    w.Text1->setReadOnly(true);
    w.Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    w.Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab goes on to the next pane, as in the lists; the panel is read-only anyway.
    w.Text1->setTabChangesFocus(true);
    QWidget::setTabOrder(w.lvVersionsList, w.lvChangesList);
    QWidget::setTabOrder(w.lvChangesList, w.Text1);

    QStatusBar *status = window->statusBar();
    status->setObjectName(QStringLiteral("StatusBar1"));
    w.statusPanel1 = new CountsPanel(status);
    w.statusPanel1->setObjectName(QStringLiteral("StatusBar1_Panel1"));
    // The counts never run into the date, whatever the font.
    w.statusPanel1->setContentsMargins(0, 0, 12, 0);
    w.statusPanel2 = new QLabel(status);
    w.statusPanel2->setObjectName(QStringLiteral("StatusBar1_Panel2"));
    // A long message is cut at the window's edge rather than squeezing the counts beside it.
    w.statusPanel2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    w.statusNew = new QLabel(status);
    w.statusNew->setObjectName(QStringLiteral("StatusBar1_New"));
    w.statusNew->hide();
    status->addWidget(w.statusPanel1);
    status->addWidget(w.statusPanel2, 1);
    status->addPermanentWidget(w.statusNew);
    return w;
}
