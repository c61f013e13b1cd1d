// A link path of its own for a simulated engraver: the same one every run while no other
// running simulator holds it, so the program sees the same machine each time.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace tavro::sim {

class LinkClaim {
public:
    // Claims folder/name, else folder/name-2, name-3 and so on: the first that no living
    // process holds, one left by a program that died included. Held until destroyed.
    LinkClaim(const QString &folder, const QString &name);
    ~LinkClaim();
    LinkClaim(const LinkClaim &) = delete;
    LinkClaim &operator=(const LinkClaim &) = delete;

    // Empty when none could be claimed; error() says why.
    QString path() const { return m_path; }
    QString error() const { return m_error; }

    // More simulators than this at once are surely a mistake.
    static constexpr int MostAtOnce = 64;

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_path;
    QString m_error;
};

}  // namespace tavro::sim
