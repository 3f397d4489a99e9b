#include "shell/command_line.h"

#include <QCommandLineParser>

#ifndef TABRIX_VERSION
#define TABRIX_VERSION "unknown"
#endif

namespace tabrix {

namespace {

// The options QGuiApplication and QApplication (and xcb) take for themselves:
// with a value, and without.
const char* const kQtOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                           "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                           "display", "geometry", "style", "stylesheet", "qmljsdebugger"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void AddQtOptions(QCommandLineParser& parser) {
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

}  // namespace

DesktopCommandLine ParseDesktopCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options have one dash ("-platform"): read as words, not letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddQtOptions(parser);
    parser.setApplicationDescription(QStringLiteral("Tabrix, a scientific calculator with reverse Polish entry."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A state file (.rpn) to open at start; \"--\" before it lets its name "
                                                "begin with \"-\"."),
                                 QStringLiteral("[[--] file]"));
    DesktopCommandLine result;
    if (!parser.parse(arguments)) {
        result.action = DesktopCommandLine::Action::UsageError;
        result.text = parser.errorText();
    } else if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        result.action = DesktopCommandLine::Action::Help;
        // Without an application object the parser cannot know the program's name.
        result.text = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("tabrix"));
    } else if (parser.isSet(version)) {
        result.action = DesktopCommandLine::Action::Version;
        result.text = QStringLiteral("tabrix " TABRIX_VERSION "\n");
    } else if (parser.positionalArguments().size() > 1) {
        result.action = DesktopCommandLine::Action::UsageError;
        result.text = QStringLiteral("Only one state file can be opened: %1").arg(parser.positionalArguments().join(' '));
    } else if (!parser.positionalArguments().isEmpty()) {
        result.stateFile = parser.positionalArguments().constFirst();
    }
    return result;
}

}  // namespace tabrix
