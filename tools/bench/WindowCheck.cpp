#include "WindowCheck.h"

#include "ProbeWindow.h"

#include "app/frmMain.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {

constexpr int QuitLimitMs = 20000;
constexpr int LateFactor = 6;

void say(const char *what, const QElapsedTimer &clock, const QString &extra = {})
{
    std::printf("%s ms=%.1f%s\n", what, static_cast<double>(clock.nsecsElapsed()) / 1e6, qPrintable(extra));
    std::fflush(stdout);
}

// A press and a release on the item, as the mouse gives them: what a user's click sets off.
void click(QTreeWidget *list, QTreeWidgetItem *item)
{
    const QPoint at = list->visualItemRect(item).center();
    QWidget *viewport = list->viewport();
    const QPointF global = viewport->mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &release);
}

double field(const QByteArray &output, const char *stage)
{
    const QRegularExpression re(QStringLiteral("(?:^|\\n)%1 ms=([0-9.]+)").arg(QLatin1String(stage)));
    const QRegularExpressionMatch m = re.match(QString::fromUtf8(output));
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

} // namespace

int runAllProbe(int argc, char *argv[], const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    // A refusal is a message box: answered at once, so that it cannot block the probe.
    MessageBox::scriptAnswers(MessageBox::Answer::Ok);
    ProbeWindow probe(path);
    frmMain &window = probe.window();
    auto *versions = window.findChild<QTreeWidget *>(QStringLiteral("lvVersionsList"));
    if (!versions)
        return 1;

    auto chooseAll = [&] {
        QElapsedTimer answer;
        answer.start();
        QTreeWidgetItem *all = versions->topLevelItem(0);
        if (!all) {
            std::printf("answered ms=0 text=no item\n");
            std::fflush(stdout);
            app.quit();
            return;
        }
        versions->scrollToItem(all);
        click(versions, all);
        window.repaint();
        QTimer::singleShot(0, &app, [&app, &window, answer] {
            say("answered", answer,
                window.changesView().allSelected() ? QString() : QStringLiteral(" text=not chosen"));
            app.quit();
        });
    };
    QObject::connect(&window, &frmMain::historyLoaded, &app, [&] {
        // Painted at once, as the event loop would paint it next, so that the time includes the paint.
        window.repaint();
        say("painted", clock);
        QTimer::singleShot(0, &app, chooseAll);
    });
    // Loading runs in a call of its own after the window is shown; a failed load says so in a
    // message box (answered by the script) and never emits historyLoaded.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        const QStringList shown = MessageBox::shownTexts();
        if (!shown.isEmpty()) {
            poll.stop();
            say("refused", clock, QStringLiteral(" text=%1").arg(shown.join(QLatin1Char(' ')).simplified()));
            app.quit();
        }
    });
    poll.start(20);
    window.show();
    return QApplication::exec();
}

WindowAnswer checkWindowAnswers(const QString &self, const QString &path, int appearLimitMs,
                                int answerLimitMs)
{
    WindowAnswer result;
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(self, {QString::fromLatin1(AllProbeFlag), path});
    QByteArray output;
    // Reads until `done` says the output holds what is awaited, the child ends or the limit passes.
    auto await = [&](auto done, int limitMs) {
        QElapsedTimer waited;
        waited.start();
        while (!done()) {
            const qint64 left = limitMs - waited.elapsed();
            if (left <= 0)
                return false;
            const bool ready = child.waitForReadyRead(static_cast<int>(left));
            output += child.readAllStandardOutput();
            if (!ready && child.state() == QProcess::NotRunning)
                return done();
        }
        return true;
    };
    auto ended = [&] {
        child.waitForFinished(2000);
        output += child.readAllStandardOutput();
        if (child.exitStatus() == QProcess::CrashExit)
            return QStringLiteral("crashed");
        return QStringLiteral("ended with status %1").arg(child.exitCode());
    };
    auto stop = [&] {
        child.kill();
        child.waitForFinished(5000);
    };

    const bool appeared = await(
        [&] { return output.contains("painted ms=") || output.contains("refused ms="); }, appearLimitMs);
    if (!appeared) {
        if (child.state() == QProcess::NotRunning) {
            result.note = QStringLiteral("%1 before the history was shown").arg(ended());
        } else {
            stop();
            result.note = QStringLiteral("history not shown within %1 s").arg(appearLimitMs / 1000);
        }
        return result;
    }
    if (output.contains("refused ms=")) {
        const QString line =
            QString::fromUtf8(output).section(QStringLiteral("refused ms="), 1).section(u'\n', 0, 0);
        result.appearedMs = field(output, "refused");
        result.note = QStringLiteral("refused: %1").arg(line.section(QStringLiteral("text="), 1));
        result.verdict = WindowAnswer::Verdict::Held;
        child.waitForFinished(QuitLimitMs);
        if (child.state() != QProcess::NotRunning)
            stop();
        return result;
    }
    result.appearedMs = field(output, "painted");
    // A late answer is waited for a while, to tell how late it is.
    const int waitMs = answerLimitMs * LateFactor;
    const bool answered = await([&] { return output.contains("answered ms="); }, waitMs);
    if (!answered) {
        if (child.state() == QProcess::NotRunning) {
            result.note = QStringLiteral("%1 after \"All\" was chosen").arg(ended());
        } else {
            stop();
            result.note = QStringLiteral("no answer within %1 s after \"All\" was chosen").arg(waitMs / 1000);
        }
        return result;
    }
    result.answeredMs = field(output, "answered");
    result.verdict =
        result.answeredMs <= answerLimitMs ? WindowAnswer::Verdict::Held : WindowAnswer::Verdict::Failed;
    if (output.contains("text=not chosen")) {
        result.verdict = WindowAnswer::Verdict::Failed;
        result.note = QStringLiteral("answered, but the click did not choose \"All\"");
    } else {
        result.note = output.contains("text=no item")      ? QStringLiteral("no \"All\" item")
                      : result.answeredMs <= answerLimitMs ? QStringLiteral("answered")
                                                           : QStringLiteral("answered late");
    }
    // Tearing a large history down may take a while; that is not what is checked here.
    child.waitForFinished(QuitLimitMs);
    if (child.state() != QProcess::NotRunning) {
        stop();
        result.note += QStringLiteral("; slow to quit, stopped after %1 s").arg(QuitLimitMs / 1000);
    } else if (child.exitStatus() == QProcess::CrashExit) {
        result.verdict = WindowAnswer::Verdict::Failed;
        result.note += QStringLiteral("; crashed while quitting");
    }
    return result;
}
