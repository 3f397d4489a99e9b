// The desktop program's command line: tabrix [--help] [--version] [--] [FILE],
// besides Qt's own options (-platform, -style ...), which QApplication takes.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tabrix {

struct DesktopCommandLine {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    std::optional<QString> stateFile;  // Run: the state file to open at start
    QString text;                      // Help and Version: what to print; UsageError: the reason
};

// Reads the arguments as the program received them (its path first) with
// QCommandLineParser, before any QApplication exists, so that --help,
// --version and usage errors need no display: one positional argument is a
// state file, "--" ends the options, so that a file named "-x.rpn" can be
// opened; an unknown option or a second file is a usage error. Qt's own
// options are known to the parser, hidden from the help, and left to Qt.
DesktopCommandLine ParseDesktopCommandLine(const QStringList& arguments);

}  // namespace tabrix
