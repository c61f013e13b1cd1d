// Where the program keeps its settings file, and making sure that folder exists.
#pragma once

#include <QString>

namespace tavro::settings {

// $TAVRO_HOME if set, else $XDG_CONFIG_HOME/Tavro, else ~/.config/Tavro.
QString settingsFolder();
// Config.ini in the folder.
QString settingsFilePath(const QString &folder = settingsFolder());
// Creates the folder with its parents when missing; true if it is a folder afterwards.
bool ensureSettingsFolder(const QString &folder = settingsFolder());

}  // namespace tavro::settings
