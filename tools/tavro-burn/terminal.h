// The command's face on a terminal: boxes as lines, and a progress bar that redraws in place.
#pragma once

#include "platform/prompter.h"

#include <QElapsedTimer>
#include <QString>

#include <chrono>
#include <cstdio>

namespace tavro::burn {

// What the core would show in a box goes to standard error; nobody is there to confirm.
class TerminalPrompter final : public platform::Prompter {
public:
    void inform(const QString &text, const QString &caption) override;
    bool confirm(const QString &text, const QString &caption) override;
    int choose(const QString &text, const QString &caption, const QStringList &buttons) override;
};

// One line redrawn in place on a terminal; elsewhere plain lines, at most one a second.
class ProgressLine {
public:
    explicit ProgressLine(std::FILE *out);

    // The time left is shown when it is known (not negative).
    void show(qint64 done, qint64 total, std::chrono::milliseconds left);
    // Leaves the bar's line so that what follows starts on a line of its own.
    void end();

private:
    std::FILE *m_out;
    bool m_terminal;
    bool m_drawn = false;
    qint64 m_lastDone = -1;
    QElapsedTimer m_sinceLine;
};

void printLine(std::FILE *out, const QString &text);

}  // namespace tavro::burn
