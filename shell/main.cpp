#include <cstdio>

#include "shell/command_line.h"
#include "shell/tabrix_app.h"

int main(int argc, char** argv) {
    // The command line is read before Qt starts, so that --help, --version
    // and a usage error work in a terminal without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const tabrix::DesktopCommandLine commandLine = tabrix::ParseDesktopCommandLine(arguments);
    using Action = tabrix::DesktopCommandLine::Action;
    if (commandLine.action == Action::Help || commandLine.action == Action::Version) {
        std::fputs(qPrintable(commandLine.text), stdout);
        return 0;
    }
    if (commandLine.action == Action::UsageError) {
        std::fprintf(stderr, "tabrix: %s\nTry 'tabrix --help' for more information.\n", qPrintable(commandLine.text));
        return 2;
    }
    tabrix::CTabrixApp app(argc, argv);
    if (!app.InitInstance(commandLine.stateFile)) return 1;
    return app.exec();
}
