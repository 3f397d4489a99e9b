// Build step: writes the program icon at the icon theme's sizes, as
// DIR/SIZExSIZE/apps/tabrix.png.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "shell/app_icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tabrix-icons DIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(folder) || !tabrix::PaintAppIcon(size).save(folder + QStringLiteral("/tabrix.png"))) {
            std::fprintf(stderr, "tabrix-icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
