// Doubles for the link's pure logic (tests, fuzzing, benchmarks): a scripted serial line and views.
#pragma once

#include "link/engraver_link.h"
#include "link/message_log.h"
#include "platform/port_lister.h"
#include "platform/prompter.h"
#include "platform/serial_line.h"
#include "qt_printers.h"

#include <QList>
#include <QPoint>
#include <QSet>
#include <QStringList>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace tavro::test {

class FakeSerialLine final : public platform::SerialLine {
public:
    QSet<int> openable;  // port numbers that open
    QList<int> openAttempts;
    QList<QByteArray> writes;  // each write as it was handed over
    QList<int> writePorts;     // the port each write went to
    QList<QByteArray> blocks;
    bool blocksDrainAtOnce = true;

    bool open(int portNumber) override
    {
        close();
        m_number = portNumber;
        openAttempts << portNumber;
        m_open = openable.contains(portNumber);
        return m_open;
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    int portNumber() const override { return m_number; }
    bool failWrites = false;  // an open port that refuses every write
    bool write(const QByteArray &bytes) override
    {
        if (!m_open || failWrites) return false;
        writes << bytes;
        writePorts << m_number;
        return true;
    }
    // The device broke under an open port, as QSerialPort reports it.
    void breakPort()
    {
        m_open = false;
        emit lost(u"Input/output error"_s);
    }
    void writeBlock(const QByteArray &block) override
    {
        if (!m_open) {
            emit blockFailed();
            return;
        }
        blocks << block;
        if (blocksDrainAtOnce) emit blockWritten();
    }
    void drain(std::chrono::milliseconds) override { ++drains; }
    bool writeAtExit(const QByteArray &bytes) override { return write(bytes); }
    QString lastError() const override { return failWrites ? u"refused"_s : QString(); }
    int drains = 0;
    void deliver(const QByteArray &bytes) { emit received(bytes); }
    void finishBlock(bool ok)
    {
        if (ok)
            emit blockWritten();
        else
            emit blockFailed();
    }

private:
    bool m_open = false;
    int m_number = 0;
};

// Records everything the link says and every box it asks for, in order, as "name" or
// "name:argument", named after what the window does with it.
// The system's port list, as a test sets it.
class FakePortLister final : public platform::PortLister {
public:
    platform::PortList list{true, 0, u"COM1A"_s};
    mutable int calls = 0;
    platform::PortList presentPorts() const override { return ++calls, list; }
    QString devicePath(int portNumber) const override { return u"/dev/fake%1"_s.arg(portNumber); }
};

class RecordingView final : public QObject, public platform::Prompter {
public:
    QString log;
    QStringList events;
    QList<QPoint> points;
    std::function<void(const QString &)> onMessage;  // runs inside the "modal" box
    int choice = 1;                                  // the button chosen in choose()

    void follow(link::MessageLog &messages)
    {
        connect(&messages, &link::MessageLog::textLogged, this, [this](const QString &text) {
            log += text;
            events << u"log:"_s + text;
        });
    }
    void follow(const link::EngraverLink &link, link::MessageLog &messages)
    {
        follow(messages);
        using L = link::EngraverLink;
        connect(&link, &L::scanStarted, this, [this] { events << u"caption:Connecting..."_s; });
        connect(&link, &L::identified, this, [this] {
            events << u"caption:OK"_s << u"connect-disabled"_s << u"break-visible"_s
                   << u"enable-controls"_s;
        });
        connect(&link, &L::disconnected, this, [this] {
            events << u"caption:Connect"_s << u"connect-enabled"_s << u"disable-controls"_s;
        });
        connect(&link, &L::firmwareReported, this, [this](int version) {
            if (version == 1) events << u"firmware-one-layout"_s;
        });
        connect(&link, &L::tracePoint, this, [this](int x, int y) {
            points << QPoint(x, y);
            events << u"point:%1,%2"_s.arg(x).arg(y);
        });
        connect(&link, &L::positionX, this, [this](int x) { events << u"x:%1"_s.arg(x); });
        connect(&link, &L::positionY, this, [this](int y) { events << u"y:%1"_s.arg(y); });
        connect(&link, &L::carveDoneReported, this, [this] { events << u"carve-done"_s; });
        connect(&link, &L::burnTimeReported, this,
                [this](int t) { events << u"burn:%1"_s.arg(t); });
        connect(&link, &L::uploadFinished, this, [this](bool written) {
            if (written) events << u"enable-controls"_s;
        });
    }

    void inform(const QString &text, const QString &caption) override
    {
        events << u"box:"_s + caption + u"|"_s + text;
        if (onMessage) onMessage(text);
    }
    bool confirm(const QString &text, const QString &caption) override
    {
        inform(text, caption);
        return true;
    }
    int choose(const QString &text, const QString &caption, const QStringList &) override
    {
        inform(text, caption);
        return choice;
    }

    // The events other than log lines, for checking control effects.
    QStringList effects() const
    {
        QStringList out;
        for (const QString &e : events)
            if (!e.startsWith(u"log:"_s)) out << e;
        return out;
    }
};

// Counts what the link says, and nothing more: for speed runs and fuzzing.
class CountingView final : public QObject, public platform::Prompter {
public:
    std::size_t logs = 0, points = 0, fields = 0, others = 0;

    void follow(link::EngraverLink &link, link::MessageLog &messages)
    {
        using L = link::EngraverLink;
        connect(&messages, &link::MessageLog::textLogged, this, [this] { ++logs; });
        connect(&link, &L::tracePoint, this, [this] { ++points; });
        connect(&link, &L::positionX, this, [this] { ++fields; });
        connect(&link, &L::positionY, this, [this] { ++fields; });
        connect(&link, &L::burnTimeReported, this, [this] { ++fields; });
        for (auto signal : {&L::identified, &L::firmwareReported})
            connect(&link, signal, this, [this] { ++others; });
        for (auto signal : {&L::scanStarted, &L::disconnected, &L::carveDoneReported})
            connect(&link, signal, this, [this] { ++others; });
        connect(&link, &L::broken, this, [this] { ++others; });
    }
    void inform(const QString &, const QString &) override { ++others; }
    bool confirm(const QString &, const QString &) override { return ++others, true; }
    int choose(const QString &, const QString &, const QStringList &) override
    {
        return ++others, 1;
    }
};

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values) out.append(static_cast<char>(v));
    return out;
}

}  // namespace tavro::test
