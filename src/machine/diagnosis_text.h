// The connection check's words: for the check window and the status bar (translated where the
// program installs a translation) and for tavro-burn --check (English).
#pragma once

#include "machine/serial_device.h"

#include <QObject>

namespace tavro::machine {

class DiagnosisText final : public QObject {
    Q_OBJECT
public:
    // "COM1  /dev/ttyUSB0", or the USB adapter's ids for a bridge without a device.
    static QString title(const SerialDevice &device);
    // What is known of the device: USB ids, maker and product.
    static QString facts(const SerialDevice &device);
    // The verdict in one sentence.
    static QString verdict(const SerialDevice &device);
    // Why, and what helps; empty when the verdict says it all.
    static QString advice(const SerialDevice &device, const DiagnosisReport &report);
    // The caption of the button that runs the helper's fix; empty for Fix::None.
    static QString fixLabel(Fix fix);
    static QString noDevices();
    // One line for the status bar while no machine is connected; empty when one was found.
    static QString summary(const DiagnosisReport &report);
    // The link after the summary that opens the check.
    static QString checkLink();

private:
    static QString holdersText(const QList<HoldingProcess> &holders);
    static QString accessAdvice(const SerialDevice &device, const DiagnosisReport &report);
    static QString heldAdvice(const SerialDevice &device, const DiagnosisReport &report);
    static QString brlttyAdvice(const DiagnosisReport &report);
    static QString summaryOf(const SerialDevice &device);
};

}  // namespace tavro::machine
