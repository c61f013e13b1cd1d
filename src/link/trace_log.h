// The --trace lines on standard error: every byte both ways and every log text, time-stamped.
#pragma once

#include "link/message_log.h"
#include "platform/serial_line.h"

#include <QObject>
#include <QTextStream>

namespace tavro::link {

class TraceLog final : public QObject {
    Q_OBJECT
public:
    // Also switches on every logging category of the program (tavro.*).
    TraceLog(platform::SerialLine &line, MessageLog &log, QObject *parent = nullptr);

    // One line of its own, for what other parts of the program follow (the job).
    void write(const QString &line);

private:
    QTextStream m_err;
};

}  // namespace tavro::link
