#include "widgets/cCommonDialog.h"

#include "settings/CaseBlindPath.h"
#include "widgets/SystemColors.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int TextFileFilter = 11;
constexpr int FaceNameLimit = 31;
constexpr int SmallestSize = 8;
constexpr int LargestSize = 72;

struct Script
{
    bool active = false;
    QList<cCommonDialog::OpenAnswer> openAnswers;
    QList<cCommonDialog::FontAnswer> fontAnswers;
    QList<cCommonDialog::ColorAnswer> colorAnswers;
    QList<cCommonDialog::OpenRequest> openRequests;
    QList<FontSetting> fontRequests;
    QList<cCommonDialog::ColorRequest> colorRequests;
};

Script &script()
{
    static Script s;
    return s;
}

template <typename Answer> Answer takeFirstOr(QList<Answer> &answers)
{
    return answers.isEmpty() ? Answer{} : answers.takeFirst();
}

QFont fontOf(const FontSetting &setting)
{
    QFont font;
    font.setFamily(setting.name.left(FaceNameLimit));
    font.setPointSize(std::clamp(setting.size, SmallestSize, LargestSize));
    font.setBold((setting.style & FontSetting::Bold) != 0);
    font.setItalic((setting.style & FontSetting::Italic) != 0);
    font.setStrikeOut((setting.style & FontSetting::Strikeout) != 0);
    font.setUnderline((setting.style & FontSetting::Underline) != 0);
    return font;
}

// A colour picker with, when the colour may stand for a system colour, a box to keep it so.
cCommonDialog::ColorAnswer runColorDialog(QWidget *owner, qint32 initial, const QString &systemName)
{
    const int systemNumber = systemColorNumber(systemName);
    QDialog dialog(owner);
    dialog.setWindowTitle(QColorDialog::tr("Select Color"));
    auto *layout = new QVBoxLayout(&dialog);

    auto *picker = new QColorDialog(colorFromStored(initial), &dialog);
    picker->setWindowFlags(Qt::Widget);
    picker->setOptions(QColorDialog::NoButtons | QColorDialog::DontUseNativeDialog);
    layout->addWidget(picker);

    QCheckBox *useSystem = nullptr;
    if (systemNumber >= 0) {
        useSystem = new QCheckBox(QStringLiteral("Use the system colour (%1)").arg(systemName), &dialog);
        useSystem->setObjectName(QStringLiteral("chkUseSystemColor"));
        useSystem->setChecked(initial == systemColorValue(systemNumber));
        picker->setEnabled(!useSystem->isChecked());
        QObject::connect(useSystem, &QCheckBox::toggled, picker, [picker, systemNumber](bool on) {
            picker->setEnabled(!on);
            if (on)
                picker->setCurrentColor(colorFromStored(systemColorValue(systemNumber)));
        });
        layout->addWidget(useSystem);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return {};
    const qint32 chosen = useSystem && useSystem->isChecked() ? systemColorValue(systemNumber)
                                                              : storedFromColor(picker->currentColor());
    return {true, QString::number(chosen)};
}

} // namespace

QString cCommonDialog::filterText(int lngFilter)
{
    return lngFilter == TextFileFilter ? QStringLiteral("Text File (*.txt)")
                                       : QStringLiteral("All Files (*)");
}

int cCommonDialog::styleBitsOf(const QFont &font)
{
    int style = 0;
    if (font.weight() == QFont::Bold)
        style |= FontSetting::Bold;
    if (font.italic())
        style |= FontSetting::Italic;
    if (font.strikeOut())
        style |= FontSetting::Strikeout;
    if (font.underline())
        style |= FontSetting::Underline;
    return style;
}

cCommonDialog::OpenAnswer cCommonDialog::ShowOpenDialog(QWidget *owner, const OpenRequest &asked)
{
    // The proposed name is the file's own, whatever its case, as the Windows dialog takes it: a
    // proposal of a file that does not exist would leave Open disabled.
    OpenRequest request = asked;
    if (!request.startDir.isEmpty() && !request.proposedName.isEmpty())
        request.proposedName =
            QFileInfo(findCaseBlind(QDir(request.startDir).filePath(request.proposedName))).fileName();
    if (script().active) {
        script().openRequests << request;
        return takeFirstOr(script().openAnswers);
    }
    QFileDialog dialog(owner, request.title.isEmpty() ? QFileDialog::tr("Open") : request.title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(filterText(request.filterNumber));
    if (!request.defaultExt.isEmpty())
        dialog.setDefaultSuffix(request.defaultExt);
    // The start folder may be unknown (the file manager was not found): the dialog picks its own.
    if (!request.startDir.isEmpty() && QFileInfo(request.startDir).isDir())
        dialog.setDirectory(request.startDir);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {true, QDir::toNativeSeparators(dialog.selectedFiles().constFirst())};
}

cCommonDialog::FontAnswer cCommonDialog::ShowFontDialog(QWidget *owner, const FontSetting &initial)
{
    if (script().active) {
        FontSetting asked = initial;
        asked.name = asked.name.left(FaceNameLimit);
        script().fontRequests << asked;
        return takeFirstOr(script().fontAnswers);
    }
    QFontDialog dialog(fontOf(initial), owner);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QFont chosen = dialog.selectedFont();
    FontSetting answer;
    answer.name = chosen.family();
    answer.script = initial.script;
    answer.size = std::clamp(qRound(chosen.pointSizeF()), SmallestSize, LargestSize);
    answer.style = styleBitsOf(chosen);
    return {true, answer};
}

cCommonDialog::ColorAnswer cCommonDialog::ShowColorDialog(QWidget *owner, qint32 lngInitialColor,
                                                          const QString &strSystemColorName)
{
    if (script().active) {
        script().colorRequests << ColorRequest{lngInitialColor, strSystemColorName};
        return takeFirstOr(script().colorAnswers);
    }
    return runColorDialog(owner, lngInitialColor, strSystemColorName);
}

void cCommonDialog::scriptOpenAnswer(const OpenAnswer &answer)
{
    script().active = true;
    script().openAnswers << answer;
}

void cCommonDialog::scriptFontAnswer(const FontAnswer &answer)
{
    script().active = true;
    script().fontAnswers << answer;
}

void cCommonDialog::scriptColorAnswer(const ColorAnswer &answer)
{
    script().active = true;
    script().colorAnswers << answer;
}

void cCommonDialog::startScripting()
{
    script() = Script{};
    script().active = true;
}

void cCommonDialog::stopScripting()
{
    script() = Script{};
}

QList<cCommonDialog::OpenRequest> cCommonDialog::openRequests()
{
    return script().openRequests;
}

QList<FontSetting> cCommonDialog::fontRequests()
{
    return script().fontRequests;
}

QList<cCommonDialog::ColorRequest> cCommonDialog::colorRequests()
{
    return script().colorRequests;
}
