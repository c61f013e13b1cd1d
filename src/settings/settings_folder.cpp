#include "settings/settings_folder.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace tavro::settings {

QString settingsFolder()
{
    const QString home = qEnvironmentVariable("TAVRO_HOME");
    if (!home.isEmpty()) return QDir::cleanPath(home);
    // The base-directory rules say a relative XDG_CONFIG_HOME is invalid and ignored.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!config.isEmpty() && QDir::isAbsolutePath(config))
        return QDir::cleanPath(config + u"/Tavro"_s);
    return QDir::cleanPath(QDir::homePath() + u"/.config/Tavro"_s);
}

QString settingsFilePath(const QString &folder)
{
    return QDir::cleanPath(folder + u"/Config.ini"_s);
}

bool ensureSettingsFolder(const QString &folder)
{
    QDir().mkpath(folder);
    return QFileInfo(folder).isDir();
}

}  // namespace tavro::settings
