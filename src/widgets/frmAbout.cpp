#include "widgets/frmAbout.h"

#include "settings/Globals.h"
#include "version.h"
#include "widgets/LinkLabel.h"
#include "widgets/ScreenPlacement.h"

#include <QDesktopServices>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLabel *makeLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + ProgramTitle);

    auto *title = makeLabel(ProgramTitle, QStringLiteral("lblTitle"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);
    auto *version = makeLabel(QStringLiteral("Version: %1.%2.%3")
                                  .arg(VELOMIR_VERSION_MAJOR)
                                  .arg(VELOMIR_VERSION_MINOR)
                                  .arg(VELOMIR_VERSION_PATCH),
                              QStringLiteral("lblVersion"), this);
    auto *description = makeLabel(
        QStringLiteral("A viewer for the file manager's change log: its releases, additions and fixes."),
        QStringLiteral("lblDescription"), this);
    auto *author = makeLabel(authorLine(), QStringLiteral("lblAuthor"), this);

    auto *mailLabel = makeLabel(QStringLiteral("e-mail:"), QStringLiteral("Label2"), this);
    m_text1 = new QLineEdit(contactAddress(), this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_text1->installEventFilter(this);
    fitAddressBox();

    auto *webLabel = makeLabel(QStringLiteral("Website:"), QStringLiteral("Label1"), this);
    auto *url = new LinkLabel(QStringLiteral("Visit Now"), this);
    url->setObjectName(QStringLiteral("lblURL"));
    url->setToolTip(webAddress().toString());
    connect(url, &LinkLabel::clicked, this, &frmAbout::visitWebsite);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *contact = new QGridLayout;
    contact->addWidget(mailLabel, 0, 0);
    contact->addWidget(m_text1, 0, 1);
    contact->addWidget(webLabel, 1, 0);
    contact->addWidget(url, 1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(description);
    layout->addWidget(author);
    layout->addLayout(contact);
    layout->addWidget(ok, 0, Qt::AlignRight);

    adjustSize();
    centerOnScreen();
}

QString frmAbout::authorLine()
{
    return QStringLiteral("Velomir developers");
}

QString frmAbout::contactAddress()
{
    return QStringLiteral("velomir@example.org");
}

QUrl frmAbout::webAddress()
{
    return QUrl(QStringLiteral("https://velomir.example.org/"));
}

void frmAbout::openWebAddress(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    // A click that gives the focus would clear a selection made at once, so select after it.
    if (watched == m_text1 && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_text1, &QLineEdit::selectAll);
    if (watched == m_text1 && event->type() == QEvent::FontChange)
        fitAddressBox();
    return QDialog::eventFilter(watched, event);
}

void frmAbout::fitAddressBox()
{
    // A line edit asks for room for about 17 letters whatever it holds: ask for the address, the
    // line edit's own 2 pixels on each side of its text, the cursor, and the style's frame.
    const QMargins text = m_text1->textMargins();
    const QFontMetrics metrics = m_text1->fontMetrics();
    const QSize inner(metrics.horizontalAdvance(m_text1->text()) + 2 * 2 + 1 + text.left() + text.right(),
                      metrics.height());
    QStyleOptionFrame frame;
    frame.initFrom(m_text1);
    frame.lineWidth = m_text1->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, m_text1);
    frame.state |= QStyle::State_Sunken;
    m_text1->setMinimumWidth(
        m_text1->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, inner, m_text1).width());
}

void frmAbout::visitWebsite()
{
    openWebAddress(webAddress());
}

void frmAbout::centerOnScreen()
{
    const QScreen *target = screen();
    if (!target)
        return;
    const QRect area = target->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    ScreenPlacement::keepOnScreen(this);
}
