#include "app/CommandLine.h"

#include "version.h"

#include <QCommandLineParser>

#include <optional>
#include <utility>
#include <vector>

namespace {
using Mode = CommandLine::Mode;

constexpr unsigned modeBit(Mode mode)
{
    return 1U << static_cast<unsigned>(mode);
}
constexpr unsigned AnyMode = ~0U;

// Every option but --help ("-h"), by its long name: the name of its value (empty for a switch),
// the modes that take it, and the report it chooses, if any; the last report named wins.
struct OptionSpec
{
    const char *name;
    const char *valueName;
    unsigned takenBy;
    Mode chooses = Mode::Viewer;
};
constexpr OptionSpec Options[] = {
    {"ini", "PATH", AnyMode},
    {"fallback", "FILE", modeBit(Mode::Viewer)},
    {"releases", "", AnyMode, Mode::Releases},
    {"changes", "", AnyMode, Mode::Changes},
    {"find", "", AnyMode, Mode::Find},
    {"weekdays", "", AnyMode, Mode::Weekdays},
    {"release", "KEY", modeBit(Mode::Changes) | modeBit(Mode::Weekdays)},
    {"since", "LABEL", modeBit(Mode::Changes)},
    {"filter", "NAME", modeBit(Mode::Changes)},
    {"reversed", "", modeBit(Mode::Changes)},
    {"in", "PLACE", modeBit(Mode::Find)},
    {"whole-word", "", modeBit(Mode::Find)},
    {"version", "", AnyMode},
};

const OptionSpec *optionNamed(const QString &name)
{
    for (const OptionSpec &option : Options) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

bool takesValue(const QString &name)
{
    const OptionSpec *option = optionNamed(name);
    return option && *option->valueName != '\0';
}

QString modeName(Mode mode)
{
    for (const OptionSpec &option : Options) {
        if (mode != Mode::Viewer && option.chooses == mode)
            return QStringLiteral("--") + QLatin1String(option.name);
    }
    return QStringLiteral("the viewer");
}

// The name an argument gives, without its dashes and its "=value".
QString optionNameOf(const QString &argument)
{
    const qsizetype dashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
    return argument.mid(dashes).section(u'=', 0, 0);
}

// The arguments that stand in the options' place: those before "--" that begin with "-".
QStringList optionArguments(const QStringList &arguments)
{
    QStringList found;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument.size() > 1 && argument.startsWith(u'-'))
            found << argument;
    }
    return found;
}

// Why the parser refused the line, in the words the program has always used.
QString parseFailure(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList given = optionArguments(arguments);
    const QStringList unknown = parser.unknownOptionNames();
    for (const QString &argument : given) {
        if (!unknown.isEmpty() && optionNameOf(argument) == unknown.first())
            return QStringLiteral("unknown option %1").arg(argument);
    }
    // A value is missing only after the last argument.
    const QString last = arguments.isEmpty() ? QString() : arguments.last();
    if (!given.isEmpty() && given.last() == last && takesValue(optionNameOf(last)) && !last.contains(u'='))
        return QStringLiteral("%1 needs a value").arg(last);
    // A switch given a value, as "--reversed=1", is no option the program knows.
    for (const QString &argument : given) {
        if (argument.contains(u'=') && !takesValue(optionNameOf(argument)))
            return QStringLiteral("unknown option %1").arg(argument);
    }
    return parser.errorText();
}

template <typename Enum>
std::optional<Enum> valueOf(const QString &text, std::initializer_list<std::pair<const char *, Enum>> names)
{
    for (const auto &[name, value] : names) {
        if (text == QLatin1String(name))
            return value;
    }
    return std::nullopt;
}

// The enum every value of the option names (the last one counts), or an error.
template <typename Enum>
QString readChoice(const QCommandLineParser &parser, const QString &option, Enum &into,
                   std::initializer_list<std::pair<const char *, Enum>> names, const char *allowed)
{
    for (const QString &value : parser.values(option)) {
        const std::optional<Enum> chosen = valueOf(value, names);
        if (!chosen)
            return QStringLiteral("--%1 takes %2").arg(option, QLatin1String(allowed));
        into = *chosen;
    }
    return {};
}

// Fills what the options say once the parser has taken the line; returns a usage error or nothing.
QString readOptions(const QCommandLineParser &parser, CommandLine &line)
{
    for (const QString &name : parser.optionNames()) {
        const OptionSpec *option = optionNamed(name);
        if (option && option->chooses != Mode::Viewer)
            line.mode = option->chooses;
    }
    for (const QString &name : parser.optionNames()) {
        const OptionSpec *option = optionNamed(name);
        if (option && (option->takenBy & modeBit(line.mode)) == 0)
            return QStringLiteral("%1 does not take --%2").arg(modeName(line.mode), name);
    }

    line.iniPath = parser.value(QStringLiteral("ini"));
    line.fallbackFile = parser.value(QStringLiteral("fallback"));
    for (const QString &key : parser.values(QStringLiteral("release"))) {
        if (key == QLatin1String("all"))
            line.allReleases = true;
        else if (key == QLatin1String("new") && line.mode == Mode::Changes)
            line.newReleases = true;
        else
            line.releaseKeys << key;
    }
    if (line.mode == Mode::Changes && parser.values(QStringLiteral("release")).size() > 1)
        return QStringLiteral("--changes takes one --release");
    if (parser.isSet(QStringLiteral("since"))) {
        line.sinceLabel = parser.value(QStringLiteral("since"));
        if (line.sinceLabel.isEmpty())
            return QStringLiteral("--since needs a release label");
        if (parser.isSet(QStringLiteral("release")))
            return QStringLiteral("--changes takes --release or --since, not both");
    }
    line.reversed = parser.isSet(QStringLiteral("reversed"));
    line.wholeWord = parser.isSet(QStringLiteral("whole-word"));

    QString error = readChoice(
        parser, QStringLiteral("filter"), line.filter,
        {{"all", ViewFilter::AllChanges}, {"additions", ViewFilter::Additions}, {"fixes", ViewFilter::Fixes}},
        "all, additions or fixes");
    if (error.isEmpty()) {
        error = readChoice(parser, QStringLiteral("in"), line.searchIn,
                           {{"everywhere", SearchIn::Everywhere},
                            {"additions", SearchIn::Additions},
                            {"fixes", SearchIn::Fixes}},
                           "everywhere, additions or fixes");
    }
    return error;
}
} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-x" is read as the name "x", so that a wrong option is named as it was written.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    for (const OptionSpec &option : Options)
        parser.addOption(QCommandLineOption(QLatin1String(option.name), {}, QLatin1String(option.valueName)));
    const bool parsed = parser.parse(QStringList(QStringLiteral("velomir")) + arguments);

    CommandLine line;
    // Read from the left, the first --help or --version answers, unless a wrong option comes first.
    for (const QString &argument : optionArguments(arguments)) {
        const QString name = optionNameOf(argument);
        if (parser.unknownOptionNames().contains(name) || (argument.contains(u'=') && !takesValue(name)))
            break;
        if (parser.isSet(name) && (name == QLatin1String("h") || name == QLatin1String("help") ||
                                   name == QLatin1String("version"))) {
            line.mode = name == QLatin1String("version") ? Mode::Version : Mode::Help;
            return line;
        }
    }
    line.error = parsed ? readOptions(parser, line) : parseFailure(parser, arguments);
    if (!line.error.isEmpty())
        return line;

    QStringList positional = parser.positionalArguments();
    if (line.mode == Mode::Find) {
        if (positional.isEmpty()) {
            line.error = QStringLiteral("--find needs a text and a file");
            return line;
        }
        line.text = positional.takeFirst();
        // As the Find dialog, which offers no search for an empty text.
        if (line.text.isEmpty()) {
            line.error = QStringLiteral("--find needs a text that is not empty");
            return line;
        }
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
        "  velomir [--ini PATH] --changes FILE [--release KEY|all|new | --since LABEL]\n"
        "                                       [--filter all|additions|fixes] [--reversed]\n"
        "  velomir [--ini PATH] --find TEXT FILE [--in everywhere|additions|fixes] [--whole-word]\n"
        "  velomir [--ini PATH] --weekdays FILE [--release KEY|all ...]\n"
        "  velomir --help | --version\n"
        "A text that begins with \"-\" can be given after \"--\".\n");
}

QString versionLine()
{
    return QStringLiteral("velomir " VELOMIR_VERSION_STRING "\n");
}
