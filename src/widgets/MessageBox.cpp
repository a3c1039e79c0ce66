#include "widgets/MessageBox.h"

#include "settings/Globals.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringList>

namespace {
struct Script
{
    bool active = false;
    MessageBox::Answer answer = MessageBox::Answer::Ok;
    QStringList texts;
    int beeps = 0;
};

Script &script()
{
    static Script s;
    return s;
}

MessageBox::Answer show(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                        QMessageBox::StandardButtons buttons)
{
    if (script().active) {
        script().texts << text;
        return script().answer;
    }
    QMessageBox box(icon, ProgramTitle, text, buttons, parent);
    const int pressed = box.exec();
    return pressed == QMessageBox::Yes  ? MessageBox::Answer::Yes
           : pressed == QMessageBox::No ? MessageBox::Answer::No
                                        : MessageBox::Answer::Ok;
}
} // namespace

void MessageBox::information(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Information, text, QMessageBox::Ok);
}

void MessageBox::critical(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Critical, text, QMessageBox::Ok);
}

MessageBox::Answer MessageBox::question(QWidget *parent, const QString &text)
{
    return show(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No);
}

void MessageBox::beep()
{
    if (script().active) {
        ++script().beeps;
        return;
    }
    QApplication::beep();
}

void MessageBox::scriptAnswers(Answer answer)
{
    script() = Script{true, answer, {}, 0};
}

void MessageBox::stopScripting()
{
    script() = Script{};
}

QStringList MessageBox::shownTexts()
{
    return script().texts;
}

int MessageBox::beepCount()
{
    return script().beeps;
}
