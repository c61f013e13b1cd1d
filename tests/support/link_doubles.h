// Doubles for the link's pure logic (tests, fuzzing, benchmarks): a scripted serial line and views.
#pragma once

#include "link/link_view.h"
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
    void drain(int) override { ++drains; }
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

// Records every effect in order, as "name" or "name:argument".
class RecordingView final : public link::LinkView {
public:
    QString log;
    QStringList events;
    QList<QPoint> points;
    std::function<void(const QString &)> onMessage;  // runs inside the "modal" box

    void LogText(const QString &text) override
    {
        log += text;
        events << u"log:"_s + text;
    }
    void setConnectCaption(const QString &caption) override { events << u"caption:"_s + caption; }
    void setConnectEnabled(bool enabled) override
    {
        events << (enabled ? u"connect-enabled"_s : u"connect-disabled"_s);
    }
    void showBreakButton() override { events << u"break-visible"_s; }
    void EnableMachineControls() override { events << u"enable-controls"_s; }
    void DisableMachineControls() override { events << u"disable-controls"_s; }
    void ResetLocationControls() override { events << u"reset-location"_s; }
    void stopRunClock() override { events << u"stop-clock"_s; }
    void applyFirmwareOneLayout() override { events << u"firmware-one-layout"_s; }
    void showPositionX(int x) override { events << u"x:%1"_s.arg(x); }
    void showPositionY(int y) override { events << u"y:%1"_s.arg(y); }
    void drawTracePoint(int x, int y) override
    {
        points << QPoint(x, y);
        events << u"point:%1,%2"_s.arg(x).arg(y);
    }
    void showBurnTime(int t) override { events << u"burn:%1"_s.arg(t); }
    void showMessage(const QString &text, const QString &caption) override
    {
        events << u"box:"_s + caption + u"|"_s + text;
        if (onMessage) onMessage(text);
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

// Counts what the link asks of the windows, and nothing more: for speed runs.
class CountingView final : public link::LinkView {
public:
    std::size_t logs = 0, points = 0, fields = 0, others = 0;

    void LogText(const QString &) override { ++logs; }
    void setConnectCaption(const QString &) override { ++others; }
    void setConnectEnabled(bool) override { ++others; }
    void showBreakButton() override { ++others; }
    void EnableMachineControls() override { ++others; }
    void DisableMachineControls() override { ++others; }
    void ResetLocationControls() override { ++others; }
    void stopRunClock() override { ++others; }
    void applyFirmwareOneLayout() override { ++others; }
    void showPositionX(int) override { ++fields; }
    void showPositionY(int) override { ++fields; }
    void drawTracePoint(int, int) override { ++points; }
    void showBurnTime(int) override { ++fields; }
    void showMessage(const QString &, const QString &) override { ++others; }
};

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values) out.append(static_cast<char>(v));
    return out;
}

}  // namespace tavro::test
