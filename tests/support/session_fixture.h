// A session on a scripted serial line and a manual clock, with its own settings folder: for the
// windows that show one.
#pragma once

#include "link_doubles.h"
#include "platform/manual_clock.h"
#include "session/session_impl.h"
#include "settings/settings_folder.h"

#include <QTemporaryDir>

namespace tavro::test {

struct SessionParts {
    QTemporaryDir folder;
    FakeSerialLine line;
    platform::ManualClock clock;
    FakePortLister ports;
    RecordingView view;
    session::SessionImpl session{{line, clock, view, ports, folder.path()}, {}};

    SessionParts() { view.follow(session.link(), session.log()); }

    // Config.ini as another program sees it.
    settings::ProfileFile config() const
    {
        return settings::ProfileFile(settings::settingsFilePath(folder.path()));
    }

    // The machine on COM1 answers the probe.
    void identify()
    {
        line.openable = {1};
        session.connectMachine();
        line.deliver(bytes({0xFF, 0x01, 0x0A, 0x00}));
        line.writes.clear();
        view.events.clear();
        view.log.clear();
    }
};

}  // namespace tavro::test
