#include "shell/recent_files.h"

#include "settings/profile_file.h"
#include "shell/shell_settings.h"

#include <QFileInfo>

namespace tavro::shell {
namespace {

// File1 is the newest.
QString numberOf(int index)
{
    return QString::number(index + 1);
}

}  // namespace

RecentFiles::RecentFiles(settings::ProfileFile &settings) : m_settings(settings)
{
    for (int i = 0; i < MaxCount; ++i) {
        const QString path = RecentFile.read(m_settings, numberOf(i));
        if (QFileInfo(path).isAbsolute() && !m_paths.contains(path)) m_paths << path;
    }
}

void RecentFiles::add(const QString &name)
{
    // The settings file keeps a value to its line; such a name could not come back.
    if (name.isEmpty() || name.contains(u'\n') || name.contains(u'\r')) return;
    const QString path = QFileInfo(name).absoluteFilePath();
    m_paths.removeAll(path);
    m_paths.prepend(path);
    if (m_paths.size() > MaxCount) m_paths.resize(MaxCount);
    save();
}

void RecentFiles::remove(const QString &path)
{
    if (m_paths.removeAll(path) > 0) save();
}

const QStringList &RecentFiles::prune()
{
    const qsizetype before = m_paths.size();
    m_paths.removeIf([](const QString &path) { return !QFileInfo(path).isFile(); });
    if (m_paths.size() != before) save();
    return m_paths;
}

void RecentFiles::save()
{
    // Every key is written, so entries that left the list leave the file too, and in one
    // write, so the file never holds half a change.
    QList<settings::ProfileFile::Setting> settings;
    for (int i = 0; i < MaxCount; ++i)
        settings.append(
            RecentFile.setting(i < m_paths.size() ? m_paths[i] : QString(), numberOf(i)));
    m_settings.write(settings);
}

}  // namespace tavro::shell
