// A folder of the user's own for links and locks, which no other user can fill or take first.
#pragma once

#include <QString>

namespace tavro::platform {

// $XDG_RUNTIME_DIR when it is the user's own. Without it, a folder in the shared temp folder
// named after the user id, the same each run so that a link in it is the same path each run;
// when another user took that name first (or it is not a private folder), one with a random
// name, removed again with this object when it is left empty. A folder is the user's own when
// it is a folder (not a link to one), owned by the user and open to nobody else (mode 0700).
class RuntimeFolder {
public:
    RuntimeFolder(const QString &runtimeDir, const QString &tempFolder);
    ~RuntimeFolder();
    RuntimeFolder(const RuntimeFolder &) = delete;
    RuntimeFolder &operator=(const RuntimeFolder &) = delete;

    // Empty when no private folder could be made; error() says why.
    QString path() const { return m_path; }
    QString error() const { return m_error; }

private:
    QString m_path;
    QString m_error;
    bool m_madeForThisRun = false;
};

}  // namespace tavro::platform
