// Where the desktop program keeps its files, under its own name in the
// standard places: ~/.config/tabrix/tabrix.conf for the settings (the key
// map, the recent files, the zoom) and ~/.local/share/tabrix/ for the kept
// session and the programs. XDG_CONFIG_HOME and XDG_DATA_HOME move them.
#pragma once

#include <QString>

namespace tabrix {

// The organisation and application names that put QSettings' file at
// ~/.config/tabrix/tabrix.conf.
inline constexpr char kSettingsOrganization[] = "tabrix";
inline constexpr char kSettingsApplication[] = "tabrix";

// ~/.local/share/tabrix
QString DataFolder();

// Version 1.0 kept its files under "Local AppWizard-Generated
// Applications". At start, a settings file or a kept session found only
// there is moved once to its new place, so that no key map or calculator is
// lost; where both places hold one, the new one wins and the old one is left
// alone. Called before the settings are first read.
void MoveFilesFromOldPlaces();

}  // namespace tabrix
