// The command's face on a terminal: boxes as lines, and a progress bar that redraws in place.
#pragma once

#include "platform/prompter.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <chrono>
#include <cstdio>
#include <memory>

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
    // A line of text above the bar: the bar is taken off its line, the text written, and the
    // bar drawn again below it.
    void say(std::FILE *to, const QString &text);
    // Leaves the bar's line so that what follows starts on a line of its own.
    void end();
    // Writing failed (a closed pipe or terminal, a full disk): nobody sees the carve any more.
    bool failed() const { return !m_failure.isEmpty(); }
    // Which output failed first and why: "standard output cannot be written (Broken pipe)".
    QString failure() const { return m_failure; }

private:
    void draw(const QString &text);
    // Right after the write that failed, while errno still tells why.
    void fail(std::FILE *stream);

    std::FILE *m_out;
    bool m_terminal;
    bool m_drawn = false;
    QString m_failure;
    QString m_bar;
    qint64 m_lastDone = -1;
    QElapsedTimer m_sinceLine;
};

// False when it could not be written.
bool printLine(std::FILE *out, const QString &text);

// The command line without the options named (each "--name value" and "--name=value"), quoted
// for a POSIX shell: a resume command adds them again with the place to go on from.
QString commandWithout(const QStringList &arguments, const QStringList &options);

}  // namespace tavro::burn
