#pragma once

#include <QString>

class QWidget;

// The one way windows talk to the user in a message box. Tests set the next answer in advance,
// so no test ever blocks on a dialog.
class MessageBox
{
public:
    enum class Answer { Ok, Yes, No };

    static void information(QWidget *parent, const QString &text);
    static void critical(QWidget *parent, const QString &text);
    [[nodiscard]] static Answer question(QWidget *parent, const QString &text);
    static void beep();

    // For tests: answer every message box with `answer` instead of showing it, and record the texts.
    static void scriptAnswers(Answer answer);
    static void stopScripting();
    static QStringList shownTexts();
    static int beepCount();
};
