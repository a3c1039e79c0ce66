#include "app/CommandLine.h"

#include "version.h"

namespace {
bool isOneOf(const QString &value, std::initializer_list<const char *> allowed)
{
    for (const char *a : allowed) {
        if (value == QLatin1String(a))
            return true;
    }
    return false;
}
} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    QStringList positional;
    bool optionsEnded = false;

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (optionsEnded || !arg.startsWith(u'-') || arg == QLatin1String("-")) {
            positional << arg;
            continue;
        }
        // Options that take a value read the next argument.
        auto value = [&](QString &into) {
            if (i + 1 >= arguments.size()) {
                line.error = QStringLiteral("%1 needs a value").arg(arg);
                return false;
            }
            into = arguments[++i];
            return true;
        };
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--ini")) {
            if (!value(line.iniPath))
                return line;
        } else if (arg == QLatin1String("--fallback")) {
            if (!value(line.fallbackFile))
                return line;
        } else if (arg == QLatin1String("--releases")) {
            line.mode = CommandLine::Mode::Releases;
        } else if (arg == QLatin1String("--changes")) {
            line.mode = CommandLine::Mode::Changes;
        } else if (arg == QLatin1String("--find")) {
            line.mode = CommandLine::Mode::Find;
        } else if (arg == QLatin1String("--weekdays")) {
            line.mode = CommandLine::Mode::Weekdays;
        } else if (arg == QLatin1String("--release")) {
            QString key;
            if (!value(key))
                return line;
            line.release = key;
            line.releases << key;
        } else if (arg == QLatin1String("--filter")) {
            if (!value(line.filter))
                return line;
            if (!isOneOf(line.filter, {"all", "additions", "fixes"})) {
                line.error = QStringLiteral("--filter takes all, additions or fixes");
                return line;
            }
        } else if (arg == QLatin1String("--reversed")) {
            line.reversed = true;
        } else if (arg == QLatin1String("--in")) {
            if (!value(line.searchIn))
                return line;
            if (!isOneOf(line.searchIn, {"everywhere", "additions", "fixes"})) {
                line.error = QStringLiteral("--in takes everywhere, additions or fixes");
                return line;
            }
        } else if (arg == QLatin1String("--whole-word")) {
            line.wholeWord = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            line.mode = CommandLine::Mode::Help;
            return line;
        } else if (arg == QLatin1String("--version")) {
            line.mode = CommandLine::Mode::Version;
            return line;
        } else {
            line.error = QStringLiteral("unknown option %1").arg(arg);
            return line;
        }
    }

    if (line.mode == CommandLine::Mode::Find) {
        if (positional.isEmpty()) {
            line.error = QStringLiteral("--find needs a text and a file");
            return line;
        }
        line.text = positional.takeFirst();
    }
    if (positional.size() > 1) {
        line.error = QStringLiteral("more than one file given: %1").arg(positional.join(u' '));
        return line;
    }
    if (!positional.isEmpty())
        line.file = positional.first();
    if (line.isHeadless() && line.file.isEmpty())
        line.error = QStringLiteral("the report needs a history file");
    return line;
}

QString commandLineUsage()
{
    return QStringLiteral(
        "Usage:\n"
        "  velomir [--ini PATH] [--fallback FILE] [FILE]      open the viewer\n"
        "  velomir [--ini PATH] --releases FILE               list the releases\n"
        "  velomir [--ini PATH] --changes FILE [--release KEY|all] [--filter all|additions|fixes] "
        "[--reversed]\n"
        "  velomir [--ini PATH] --find TEXT FILE [--in everywhere|additions|fixes] [--whole-word]\n"
        "  velomir [--ini PATH] --weekdays FILE [--release KEY ...]\n"
        "  velomir --help | --version\n"
        "A text that begins with \"-\" can be given after \"--\".\n");
}

QString versionLine()
{
    return QStringLiteral("velomir " VELOMIR_VERSION_STRING "\n");
}
