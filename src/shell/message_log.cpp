#include "shell/message_log.h"

#include <QScrollBar>
#include <QTextCursor>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {

MessageLog::MessageLog(QPlainTextEdit &box) : m_box(box)
{
    m_box.clear();
    LogText(InitialContent());
}

QString MessageLog::InitialContent()
{
    return QString(13, u' ') + u"Welcome(^_^)\r\n"_s;
}

void MessageLog::LogText(const QString &text)
{
    m_content += text;
    // The box shows line breaks; the log keeps the CR LF pairs as written.
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    shown.replace(u'\r', u'\n');
    QTextCursor cursor = m_box.textCursor();
    cursor.movePosition(QTextCursor::End);
    m_box.setTextCursor(cursor);
    m_box.insertPlainText(shown);
    m_box.ensureCursorVisible();
}

void MessageLog::LogLine(const QString &text)
{
    LogText(text + u"\r\n"_s);
}

}  // namespace tavro::shell
