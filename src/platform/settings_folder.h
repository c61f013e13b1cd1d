// Where the program keeps its settings file, and making sure that folder exists.
#pragma once

#include <QString>

namespace tavro::platform {

// $TAVRO_HOME if set, else $XDG_CONFIG_HOME/Tavro, else ~/.config/Tavro.
QString SettingsFolder();
// Config.ini in SettingsFolder().
QString SettingsFilePath();
// Creates the folder with its parents when missing; true if it is a folder afterwards.
bool EnsureSettingsFolder(const QString &folder = SettingsFolder());

}  // namespace tavro::platform
