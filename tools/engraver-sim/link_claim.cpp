#include "engraver-sim/link_claim.h"

#include <QDir>
#include <QLockFile>

using namespace Qt::Literals::StringLiterals;

namespace tavro::sim {

LinkClaim::LinkClaim(const QString &folder, const QString &name)
{
    if (!QDir().mkpath(folder)) {
        m_error = u"cannot make the folder %1"_s.arg(folder);
        return;
    }
    for (int n = 1; n <= MostAtOnce; ++n) {
        const QString path = QDir(folder).filePath(n == 1 ? name : u"%1-%2"_s.arg(name).arg(n));
        auto lock = std::make_unique<QLockFile>(path + u".lock"_s);
        // Only a dead holder makes a lock stale: a simulator may run for days.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            m_path = path;
            return;
        }
        if (lock->error() != QLockFile::LockFailedError) {
            m_error = u"cannot lock %1.lock"_s.arg(path);
            return;
        }
    }
    m_error = u"%1 simulated engravers already run in %2"_s.arg(MostAtOnce).arg(folder);
}

LinkClaim::~LinkClaim() = default;

}  // namespace tavro::sim
