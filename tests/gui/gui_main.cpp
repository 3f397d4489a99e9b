// Runs the widget tests on Qt's offscreen platform, with settings kept away
// from the user's own and from those of the other test processes CTest runs
// beside this one.
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "shell/app_folders.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray config =
        QDir::tempPath().toLocal8Bit() + "/tabrix-gui-test-config-" + QByteArray::number(QCoreApplication::applicationPid());
    QDir(QString::fromLocal8Bit(config)).removeRecursively();
    QStandardPaths::setTestModeEnabled(true);
    // Test mode alone would put every process's settings in one shared file.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(config));
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QLatin1String(tabrix::kSettingsOrganization));
    QApplication::setApplicationName(QLatin1String(tabrix::kSettingsApplication));
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    QDir(QString::fromLocal8Bit(config)).removeRecursively();
    return status;
}
