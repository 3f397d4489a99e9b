// The program in the user's language: Tabrix's own translations (built into
// the program) and Qt's for its dialogs and buttons (from the system, where
// installed), chosen by the desktop's languages in order. English needs none.
#pragma once

#include <QLocale>

class QCoreApplication;

namespace tabrix {

// Installs the translations for `locale`'s languages into `app`; returns the
// language of Tabrix's own that was found ("de"), or an empty text.
QString InstallTranslations(QCoreApplication& app, const QLocale& locale);

}  // namespace tabrix
