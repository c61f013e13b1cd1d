// The pictures and jobs opened last, newest first, kept in Config.ini (RecentFile).
#pragma once

#include <QString>
#include <QStringList>

namespace tavro::settings {
class ProfileFile;
}  // namespace tavro::settings

namespace tavro::shell {

class RecentFiles {
public:
    static constexpr int MaxCount = 10;

    // Reads the list; entries that are empty, relative or repeated are skipped.
    explicit RecentFiles(settings::ProfileFile &settings);

    const QStringList &paths() const { return m_paths; }
    // To the front, once; the oldest falls off beyond MaxCount. Names with line breaks,
    // which the settings file cannot hold, are not kept.
    void add(const QString &path);
    void remove(const QString &path);
    // Drops the files that are gone; what is left is the list.
    const QStringList &prune();

private:
    void save();

    settings::ProfileFile &m_settings;
    QStringList m_paths;
};

}  // namespace tavro::shell
