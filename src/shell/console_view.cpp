#include "shell/console_view.h"

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {

ConsoleView::ConsoleView() : m_out(stdout) {}

void ConsoleView::LogText(const QString &text)
{
    QString plain = text;
    plain.remove(u'\r');
    m_out << plain << Qt::flush;
}

void ConsoleView::setConnectCaption(const QString &caption)
{
    m_out << u"[connect button: "_s << caption << u"]\n"_s << Qt::flush;
}

void ConsoleView::applyFirmwareOneLayout()
{
    m_out << u"[firmware 1: no Power OFF]\n"_s << Qt::flush;
}

void ConsoleView::showBurnTime(int t)
{
    m_out << u"[burn time: "_s << t << u"]\n"_s << Qt::flush;
}

void ConsoleView::showMessage(const QString &text, const QString &caption)
{
    m_out << u"[message \""_s << caption << u"\": "_s << text << u"]\n"_s << Qt::flush;
}

}  // namespace tavro::shell
