// Counts how many times the slave node is open elsewhere, so the machine knows whether anyone
// listens.
#pragma once

#include <QString>

namespace tavro::sim {

class OpenWatch {
public:
    OpenWatch() = default;
    ~OpenWatch();
    OpenWatch(const OpenWatch &) = delete;
    OpenWatch &operator=(const OpenWatch &) = delete;

    // Opens made before this are not counted. False when the system cannot watch.
    bool watch(const QString &path);
    void stop();
    int fd() const { return m_fd; }
    // Takes the pending events; true when the last opener has gone meanwhile.
    bool update();
    // Without a watch nobody can tell, so someone is assumed to listen.
    bool listening() const { return m_fd < 0 || m_opens > 0; }

private:
    int m_fd = -1;
    int m_opens = 0;
};

}  // namespace tavro::sim
