// The message log: what the program tells the operator it does, written by whoever has
// something to say and shown by the window's log box and the --trace lines.
#pragma once

#include <QObject>
#include <QString>

namespace tavro::link {

class MessageLog final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Appended unchanged; texts carry their own line ends.
    void logText(const QString &text) { emit textLogged(text); }
    void logLine(const QString &text);

signals:
    void textLogged(const QString &text);
};

}  // namespace tavro::link
