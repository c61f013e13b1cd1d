// A link wired to the fakes and a manual clock.
#pragma once

#include "link/engraver_link.h"
#include "link_doubles.h"
#include "platform/manual_clock.h"

#include <gtest/gtest.h>

namespace tavro::test {

class LinkTest : public ::testing::Test {
protected:
    FakeSerialLine line;
    RecordingView view;
    platform::ManualClock clock;
    FakePortLister ports;
    link::MessageLog messages;
    link::EngraverLink link{line, clock, view, ports, messages};

    LinkTest()
    {
        ports.list = {};
        view.follow(link, messages);
    }

    // The erase sent with the block the machine gets next; what it logged is forgotten.
    void prepare(const QByteArray &block)
    {
        link.requestNewImage(block);
        line.writes.clear();
        view.events.clear();
        view.log.clear();
    }
    void receive(std::initializer_list<int> values) { line.deliver(bytes(values)); }
    QList<QByteArray> takeWrites()
    {
        QList<QByteArray> out = line.writes;
        line.writes.clear();
        return out;
    }
    void identifyOn(int port)
    {
        line.openable = {port};
        link.startConnect();
        receive({0xFF, 0x01, 0x0A, 0x00});
        line.writes.clear();
        view.events.clear();
        view.log.clear();
    }
};

}  // namespace tavro::test
