#include "shell/startup_probe.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>
#include <chrono>

namespace tabrix {

namespace {

// Waits for a paint of the window (or of anything in it), then for the
// event loop's first wait.
class StartupProbe final : public QObject {
public:
    StartupProbe(QWidget* window, QString path) : QObject(window), m_window(window), m_path(std::move(path)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType() &&
            static_cast<QWidget*>(object)->window() == m_window) {
            m_shown = Now();
            qApp->removeEventFilter(this);
            connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                    [this] { Quiet(); }, Qt::SingleShotConnection);
        }
        return false;
    }

private:
    static qlonglong Now() {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    }
    void Quiet() {
        const qlonglong quiet = Now();
        QFile file(m_path);
        if (file.open(QIODevice::WriteOnly)) file.write(QByteArray::number(m_shown) + ' ' + QByteArray::number(quiet));
    }

    QWidget* m_window;
    QString m_path;
    qlonglong m_shown = 0;
};

}  // namespace

void InstallStartupProbe(QWidget* window) {
    const QString path = qEnvironmentVariable("TABRIX_STARTUP_PROBE");
    if (!path.isEmpty()) new StartupProbe(window, path);
}

}  // namespace tabrix
