#include "terminal.h"

#include "platform/file_name.h"
#include "platform/printable_text.h"
#include "run/clock_text.h"

#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::burn {
namespace {

// A word with characters printLine() would escape, quoted as $'...' (bash, zsh, ksh and POSIX
// shells since 2024 read it), so that the resume command pastes back as the same bytes.
QString escapeQuoted(const QString &word)
{
    QString out = u"$'"_s;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word.at(i);
        if (c.isHighSurrogate() && i + 1 < word.size() && word.at(i + 1).isLowSurrogate()) {
            out += word.sliced(i++, 2);  // no character beyond U+FFFF needs escaping
        } else if (c.isLowSurrogate() && c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF) {
            // A byte that was not valid UTF-8, kept as U+DC00 + the byte (file_name.h).
            out += u"\\x"_s + QString::number(c.unicode() - 0xDC00, 16);
        } else if (c == u'\\' || c == u'\'') {
            out += u'\\' + c;
        } else {
            out += platform::printableText(QStringView(&c, 1));
        }
    }
    return out + u'\'';
}

}  // namespace

bool printLine(std::FILE *out, const QString &text)
{
    // Names in the text come from outside: only the line's own end may act on the terminal.
    const bool written = std::fputs(qPrintable(platform::printableText(text) + u'\n'), out) >= 0;
    return std::fflush(out) == 0 && written;
}

QString commandWithout(const QStringList &arguments, const QStringList &options)
{
    static const QRegularExpression plain(u"^[A-Za-z0-9_@%+=:,./-]+$"_s);
    QStringList words{u"tavro-burn"_s};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &word = arguments[i];
        const auto named = [&word](const QString &option) {
            return word == u"--"_s + option || word.startsWith(u"--"_s + option + u'=');
        };
        if (std::ranges::any_of(options, named)) {
            if (!word.contains(u'=')) ++i;  // and its value
            continue;
        }
        if (plain.match(word).hasMatch())
            words << word;
        else if (platform::printableText(word) != word)
            words << escapeQuoted(word);
        else
            words << u"'"_s + QString(word).replace(u"'"_s, u"'\\''"_s) + u"'"_s;
    }
    return words.join(u' ');
}

void TerminalPrompter::inform(const QString &text, const QString &caption)
{
    printLine(stderr,
              u"tavro-burn: "_s + caption + u": "_s + QString(text).replace(u"\r\n"_s, u" "_s));
}

bool TerminalPrompter::confirm(const QString &text, const QString &caption)
{
    inform(text, caption);
    return false;
}

int TerminalPrompter::choose(const QString &text, const QString &caption, const QStringList &)
{
    inform(text, caption);
    return -1;
}

ProgressLine::ProgressLine(std::FILE *out) : m_out(out), m_terminal(isatty(fileno(out)) == 1) {}

void ProgressLine::show(qint64 done, qint64 total, std::chrono::milliseconds left)
{
    const int percent = total > 0 ? int(done * 100 / total) : 100;
    const QString time = left.count() < 0 ? QString() : run::clockText(left);
    if (m_terminal) {
        constexpr int Width = 30;
        const int filled = percent * Width / 100;
        const QString bar = QString(filled, u'#') + QString(Width - filled, u'.');
        const QString tail = time.isEmpty() ? QString() : u", %1 left"_s.arg(time);
        draw(u"[%1] %2/%3 dots %4 %%5"_s.arg(bar).arg(done).arg(total).arg(percent).arg(tail));
        return;
    }
    // A log file needs no redraw a frame, only a line now and then and the end.
    if (done == m_lastDone) return;
    if (m_sinceLine.isValid() && m_sinceLine.elapsed() < 1000 && done < total) return;
    m_lastDone = done;
    m_sinceLine.start();
    const QString tail = time.isEmpty() ? QString() : u" left=%1"_s.arg(time);
    if (!printLine(
            m_out,
            u"progress done=%1 total=%2 percent=%3%4"_s.arg(done).arg(total).arg(percent).arg(
                tail)))
        fail(m_out);
}

void ProgressLine::draw(const QString &text)
{
    m_bar = text;
    // From the line's start, the rest of the line cleared: a shorter bar leaves nothing behind.
    const bool written = std::fputs(qPrintable(u"\r"_s + text + u"\x1b[K"_s), m_out) >= 0;
    if (std::fflush(m_out) != 0 || !written) fail(m_out);
    m_drawn = true;
}

void ProgressLine::say(std::FILE *to, const QString &text)
{
    const bool redraw = m_terminal && m_drawn;
    if (redraw) {
        std::fputs("\r\x1b[K", m_out);
        std::fflush(m_out);
    }
    if (!printLine(to, text)) fail(to);
    if (redraw) draw(m_bar);
}

void ProgressLine::end()
{
    if (m_terminal && m_drawn && std::fputs("\n", m_out) < 0) fail(m_out);
    m_drawn = false;
}

void ProgressLine::fail(std::FILE *stream)
{
    const int error = errno;
    if (failed()) return;
    const QString name = stream == stdout   ? u"standard output"_s
                         : stream == stderr ? u"standard error"_s
                                            : u"the output"_s;
    m_failure =
        u"%1 cannot be written (%2)"_s.arg(name, QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace tavro::burn
