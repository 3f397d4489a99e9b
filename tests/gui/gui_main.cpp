// Runs the widget tests on Qt's offscreen platform, with settings kept away
// from the user's own.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray config = QDir::tempPath().toLocal8Bit() + "/tabrix-gui-test-config";
    qputenv("XDG_CONFIG_HOME", config);
    QDir(QString::fromLocal8Bit(config)).removeRecursively();
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationName(QStringLiteral("Tabrix"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
