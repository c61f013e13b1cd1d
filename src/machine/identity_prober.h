// Asks one device who it is with the scan's identification frame, and waits its second for
// the answer; several devices at once.
#pragma once

#include "platform/clock.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <map>

namespace tavro::machine {

struct ProbeAnswer {
    enum class Kind { Answered, Silent, CannotOpen };
    Kind kind = Kind::Silent;
    int productId = 0;
    QString reason;  // why it would not open, or broke while asked
};

class IdentityProber : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // answered() follows once for `node`, possibly before this returns. A probe of a node
    // still being probed starts over.
    virtual void probe(const QString &node) = 0;
    // No answer follows for the probes running now.
    virtual void cancelAll() = 0;

signals:
    void answered(const QString &node, const tavro::machine::ProbeAnswer &answer);
};

// Over QSerialPort with the machine's line settings; the answer's second runs on `clock`.
class SerialIdentityProber final : public IdentityProber {
    Q_OBJECT
public:
    // The scan's own wait for an answer.
    static constexpr std::chrono::milliseconds AnswerTime{1000};

    explicit SerialIdentityProber(platform::Clock &clock, QObject *parent = nullptr);
    ~SerialIdentityProber() override;

    void probe(const QString &node) override;
    void cancelAll() override;

private:
    class Probe;
    void finish(const QString &node, const ProbeAnswer &answer);
    void drop(const QString &node);

    platform::Clock &m_clock;
    std::map<QString, Probe *> m_probes;
};

}  // namespace tavro::machine
