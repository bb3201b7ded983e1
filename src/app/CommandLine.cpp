// SPDX-License-Identifier: Apache-2.0
#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <array>

#include "QvtVersion.h"
#include "platform/Volumes.h"
#include "settings/ProductFiles.h"

namespace qvt::app {

namespace {

struct OptionSpec {
    const char* names;      // comma-separated, long name last
    const char* valueName;  // nullptr: a flag
    const char* help;
};

constexpr std::array kOptions{
    OptionSpec{"h,help", nullptr, "Shows this help and exits."},
    OptionSpec{"v,version", nullptr, "Shows the program's name and version and exits."},
    OptionSpec{"system-root", "DIR",
               "Uses DIR as the PC's system drive, which holds the settings backups, the sound conversion "
               "folder and the remembered camera choice (default: $XDG_DATA_HOME/qvt-config, else "
               "~/.local/share/qvt-config)."},
    OptionSpec{"volume", "DIR",
               "Uses DIR as a memory card, in slot order; repeatable up to 23 times, and when given the "
               "mounted file systems are not searched for cards."},
    OptionSpec{"now", "\"YYYY-MM-DD HH:MM:SS\"", "Uses this fixed local date and time instead of the real clock."},
#ifdef _WIN32
    OptionSpec{"ffmpeg", "PATH",
               "Runs PATH to convert game-call sounds (default: the tool staged as QVT_TEMP\\ffmpeg.exe on "
               "the system root, else ffmpeg found on PATH)."},
#else
    OptionSpec{"ffmpeg", "PATH", "Runs PATH to convert game-call sounds (default: ffmpeg found on PATH)."},
#endif
    OptionSpec{"provider-database", "FILE",
               "Looks operators up for \"Find operator\" in FILE, a serviceproviders.xml of the "
               "mobile-broadband-provider-info project (default: $QVT_PROVIDER_DATABASE, else the system's "
               "/usr/share/mobile-broadband-provider-info/serviceproviders.xml)."},
    OptionSpec{"script", "FILE|-",
               "Runs headless: performs the user actions in FILE (- for standard input) and prints one JSON "
               "event per line; no window opens and no display is needed."},
};

// Options that QGuiApplication and QApplication take for themselves: with a windowed run they are
// gone before the parse; a headless run has no use for them and ignores them.
constexpr std::array kQtValueOptions{"platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
                                     "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
                                     "style",       "stylesheet",         "qmljsdebugger"};
constexpr std::array kQtFlagOptions{"reverse", "widgetcount", "nograb", "dograb", "sync"};

constexpr const char* kQtHelp =
    "Qt options, such as -platform NAME (the window system plugin, e.g. offscreen), -style NAME (the "
    "widget style), -session ID (restores an X11 session) and -reverse (right-to-left layout), are "
    "passed to Qt; a headless run ignores them.";

constexpr const char* kEnvironmentHelp =
    "Environment: XDG_DATA_HOME places the default system root; QT_QPA_PLATFORM chooses the window "
    "system plugin, as -platform does; QVT_PROVIDER_DATABASE names the provider database.";

// Where the installed program's documentation lies (the build names it from the install prefix).
#ifdef QVT_DOC_DIR
constexpr const char* kDocumentationHelp =
    "The automation mode (script actions and the JSON events) is described in qvt-config(1) and in "
    QVT_DOC_DIR "/AUTOMATION.md. Report bugs at https://github.com/qvtconfig/qvt-config/issues.";
#else
constexpr const char* kDocumentationHelp =
    "The automation mode (script actions and the JSON events) is described in AUTOMATION.md beside "
    "this program. Report bugs at https://github.com/qvtconfig/qvt-config/issues.";
#endif

QStringList namesOf(const char* names) {
    return QString::fromLatin1(names).split(QLatin1Char(','));
}

// Arguments are byte strings (paths need not be UTF-8): Latin-1 carries every byte through unchanged.
QString qtString(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
std::string qtString(const QString& s) {
    return s.toLatin1().toStdString();
}

// Wraps `text` into lines of at most `width` characters, each starting with `indent`.
std::string wrap(const std::string& text, const std::string& indent, std::size_t width) {
    std::string out, line = indent;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        if (line.size() > indent.size() && line.size() + 1 + word.size() > width) {
            out += line + "\n";
            line = indent;
        }
        if (line.size() > indent.size()) line += ' ';
        line += word;
        start = end + 1;
    }
    return out + line + "\n";
}

bool takesValue(const std::string& arg) {
    std::string name = arg;
    while (!name.empty() && name.front() == '-') name.erase(name.begin());
    for (const OptionSpec& o : kOptions)
        if (o.valueName && namesOf(o.names).contains(qtString(name))) return true;
    for (const char* q : kQtValueOptions)
        if (name == q) return true;
    return false;
}

// The argument as typed that carries the unknown option `name`.
std::string typedArgument(const std::vector<std::string>& args, const QString& name) {
    for (const std::string& a : args) {
        std::string n = a.substr(0, a.find('='));
        while (!n.empty() && n.front() == '-') n.erase(n.begin());
        if (a.size() > 1 && a.front() == '-' && qtString(n) == name) return a.substr(0, a.find('='));
    }
    std::string typed = qtString(name);
    typed.insert(typed.begin(), '-');  // not "-" + string: GCC 12 warns falsely (-Wrestrict) there
    return typed;
}

}  // namespace

std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& args, std::string& error) {
    QCommandLineParser parser;
    // "-platform" is one option, as Qt spells its own options, not "-p -l -a ...".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionSpec& o : kOptions) {
        QCommandLineOption option(namesOf(o.names));
        if (o.valueName) option.setValueName(QString::fromLatin1(o.valueName));
        parser.addOption(option);
    }
    for (const char* q : kQtValueOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(q), {}, QStringLiteral("x")));
    for (const char* q : kQtFlagOptions) parser.addOption(QCommandLineOption(QString::fromLatin1(q)));

    QStringList list{QStringLiteral("qvt-config")};
    for (const std::string& a : args) list << qtString(a);
    if (!parser.parse(list)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            error = "unknown option " + typedArgument(args, parser.unknownOptionNames().constFirst());
        } else if (!args.empty() && takesValue(args.back()) && args.back().find('=') == std::string::npos) {
            error = args.back() + " needs a value";
        } else {
            error = parser.errorText().toStdString();
        }
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = "unexpected argument " + qtString(parser.positionalArguments().constFirst());
        return std::nullopt;
    }

    CommandLine cl;
    cl.help = parser.isSet(QStringLiteral("help"));
    cl.version = parser.isSet(QStringLiteral("version"));
    if (parser.isSet(QStringLiteral("system-root"))) cl.systemRoot = qtString(parser.value(QStringLiteral("system-root")));
    for (const QString& v : parser.values(QStringLiteral("volume"))) {
        if (static_cast<int>(cl.volumes.size()) >= platform::Volumes::kMaxVolumes) {
            error = "at most 23 volumes";
            return std::nullopt;
        }
        cl.volumes.emplace_back(qtString(v));
    }
    for (const QString& v : parser.values(QStringLiteral("now"))) {
        cl.now = platform::parseDateTime(qtString(v));
        if (!cl.now) {
            error = "--now expects \"YYYY-MM-DD HH:MM:SS\"";
            return std::nullopt;
        }
    }
    if (parser.isSet(QStringLiteral("ffmpeg"))) cl.ffmpeg = qtString(parser.value(QStringLiteral("ffmpeg")));
    if (parser.isSet(QStringLiteral("provider-database")))
        cl.providerDatabase = std::filesystem::path(qtString(parser.value(QStringLiteral("provider-database"))));
    if (parser.isSet(QStringLiteral("script"))) cl.script = qtString(parser.value(QStringLiteral("script")));
    return cl;
}

std::string helpText() {
    std::string text = "Usage: qvt-config [options]\n" +
                       wrap(
                           "Configures cellular trail cameras through their memory card: writes the camera's "
                           "settings file " + std::string(settings::kCardDirName) +
                               "/<CODE>.TXT and converts a game-call sound with FFmpeg. Without "
                               "--script it opens its windows.",
                           "", 79) +
                       "\nOptions:\n";
    for (const OptionSpec& o : kOptions) {
        std::string left = "  ";
        const QStringList names = namesOf(o.names);
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (i > 0) left += ", ";
            left += (names[i].size() == 1 ? "-" : "--") + names[i].toStdString();
        }
        if (o.valueName) left += std::string(" ") + o.valueName;
        text += left + "\n" + wrap(o.help, "      ", 79);
    }
    text += "\n" + wrap(kQtHelp, "", 79) + "\n" +
            wrap(kEnvironmentHelp, "", 79) + "\n" + wrap(kDocumentationHelp, "", 79);
    return text;
}

std::string versionText() {
    return std::string("qvt-config ") + QVT_VERSION + "\n";
}

}  // namespace qvt::app
