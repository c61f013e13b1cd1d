// What the estimate benchmarks share: the pictures they carve, the timings the program is not
// told, and a fresh simulated machine on a pty with a session and settings of its own.
#pragma once

#include "engraver-sim/engraver_sim.h"
#include "platform/port_lister.h"
#include "platform/prompter.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_line.h"
#include "render/effect.h"
#include "session/session_impl.h"

#include <QImage>
#include <QTemporaryDir>

#include <memory>

namespace tavro::bench {

// The machine's hidden timing, scaled down from the simulator's defaults so a run takes minutes.
struct Timing {
    double dotUs, rowMs, blankRowMs;
};
inline constexpr Timing Timings[] = {{4, 2, 0.3}, {8, 5, 1}, {12, 8, 0.5}};

// A picture on the board with an effect, as the effect chooser would put it there.
QImage boardOf(const QImage &picture, render::Effect effect);
// A dithered photo-like picture: dots everywhere, in every density.
QImage photoBoard();
// Five lines of text in black and white: short rows of dots with blank rows between.
QImage textBoard();

// Nobody answers the session's questions; it goes on as if confirmed.
class SilentPrompter final : public platform::Prompter {
public:
    void inform(const QString &, const QString &) override {}
    bool confirm(const QString &, const QString &) override { return true; }
    int choose(const QString &, const QString &, const QStringList &) override { return 1; }
};

// A fresh machine of the given timing, and a session that has never met it.
class SimWorkshop {
public:
    explicit SimWorkshop(const Timing &timing);
    // Waits until the session has found the machine.
    bool connect();

protected:
    QTemporaryDir m_dir;
    std::unique_ptr<sim::Engraver> m_machine;
    platform::PortTable m_table{QStringList{m_dir.filePath(QStringLiteral("ttyBench"))}};
    platform::QtSerialLine m_line{m_table};
    platform::PortTableLister m_ports{m_table};
    platform::QtClock m_clock;
    SilentPrompter m_prompter;
    session::SessionImpl m_session{{m_line, m_clock, m_prompter, m_ports, m_dir.path()}, {}};
};

}  // namespace tavro::bench
