// The floor for start-up time and memory: a Qt main window with a menu bar
// and a tool bar and nothing else, built with the same compiler and flags.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include "shell/startup_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    window.addToolBar(QStringLiteral("Commands"))->addAction(QStringLiteral("About"));
    window.resize(240, 318);
    tabrix::InstallStartupProbe(&window);
    window.show();
    return app.exec();
}
