#include "terminal.h"

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::burn {

void printLine(std::FILE *out, const QString &text)
{
    std::fputs(qPrintable(text + u'\n'), out);
    std::fflush(out);
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
    const qint64 seconds = (left.count() + 500) / 1000;
    const QString time =
        left.count() < 0 ? QString()
                         : u"%1:%2"_s.arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (m_terminal) {
        constexpr int Width = 30;
        const int filled = percent * Width / 100;
        const QString bar = QString(filled, u'#') + QString(Width - filled, u'.');
        const QString tail = time.isEmpty() ? QString() : u", %1 left"_s.arg(time);
        const QString text =
            u"\r[%1] %2/%3 dots %4 %%5   "_s.arg(bar).arg(done).arg(total).arg(percent).arg(tail);
        std::fputs(qPrintable(text), m_out);
        std::fflush(m_out);
        m_drawn = true;
        return;
    }
    // A log file needs no redraw a frame, only a line now and then and the end.
    if (done == m_lastDone) return;
    if (m_sinceLine.isValid() && m_sinceLine.elapsed() < 1000 && done < total) return;
    m_lastDone = done;
    m_sinceLine.start();
    const QString tail = time.isEmpty() ? QString() : u" left=%1"_s.arg(time);
    printLine(
        m_out,
        u"progress done=%1 total=%2 percent=%3%4"_s.arg(done).arg(total).arg(percent).arg(tail));
}

void ProgressLine::end()
{
    if (m_terminal && m_drawn) std::fputs("\n", m_out);
    m_drawn = false;
}

}  // namespace tavro::burn
