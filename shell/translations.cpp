#include "shell/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tabrix {

QString InstallTranslations(QCoreApplication& app, const QLocale& locale) {
    // QTranslator tries the locale's UI languages in order ("de-AT", "de"),
    // so LANGUAGE=fr:de gives French where there is French.
    auto* own = new QTranslator(&app);
    if (!own->load(locale, QStringLiteral("tabrix"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    return QLocale(own->language()).bcp47Name();
}

}  // namespace tabrix
