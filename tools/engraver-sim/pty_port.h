// The machine's end of the cable: a pseudo-terminal whose slave looks like a serial device.
#pragma once

#include "engraver-sim/open_watch.h"

#include <QString>

namespace tavro::sim {

class PtyPort {
public:
    PtyPort() = default;
    ~PtyPort();
    PtyPort(const PtyPort &) = delete;
    PtyPort &operator=(const PtyPort &) = delete;

    // A fresh pty in raw mode; with a link path, a symlink there points at its slave.
    bool open(const QString &linkPath, QString *error);
    // The slave node vanishes and so does the link.
    void close();
    bool isOpen() const { return m_master >= 0; }
    int masterFd() const { return m_master; }
    QString slavePath() const { return m_slavePath; }

    // Whether the program has the device open. Only watch events bring news, so call update first.
    bool listening() const { return m_watch.listening(); }
    int watchFd() const { return m_watch.fd(); }
    // When the last opener has gone, what it left unread is dropped and its exclusive claim
    // released, as a real port would on its last close; then true.
    bool updateListeners();

private:
    bool makeLink(QString *error);

    int m_master = -1;
    int m_slave = -1;  // held open so the node stays while the program closes and reopens it
    QString m_slavePath;
    QString m_linkPath;
    OpenWatch m_watch;
};

}  // namespace tavro::sim
