#include "ui/log_box.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {

LogBox::LogBox(QPlainTextEdit &box) : m_box(box)
{
    // Every appended line would stay in the undo history, however short the log is kept.
    m_box.setUndoRedoEnabled(false);
    m_box.clear();
    logText(initialContent());
}

QString LogBox::initialContent()
{
    return QString(13, u' ') + u"Welcome(^_^)\r\n"_s;
}

QString LogBox::droppedNote()
{
    return u"(older lines were dropped to keep the log short)\r\n"_s;
}

void LogBox::logText(const QString &text)
{
    m_content += text;
    m_lines += text.count(u'\n');
    // The box shows line breaks; the log keeps the CR LF pairs as written.
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    shown.replace(u'\r', u'\n');
    QTextCursor cursor = m_box.textCursor();
    cursor.movePosition(QTextCursor::End);
    m_box.setTextCursor(cursor);
    m_box.insertPlainText(shown);
    if (m_lines > MaxLines + TrimLines) dropOldest();
    m_box.ensureCursorVisible();
}

void LogBox::logLine(const QString &text)
{
    logText(text + u"\r\n"_s);
}

void LogBox::dropOldest()
{
    // The note stays as the first line, so the log says once that it was cut.
    const qsizetype keepFrom = m_dropped ? droppedNote().size() : 0;
    const qsizetype drop = m_lines - MaxLines;
    qsizetype end = keepFrom;
    for (qsizetype i = 0; i < drop; ++i) end = m_content.indexOf(u'\n', end) + 1;
    m_content.remove(keepFrom, end - keepFrom);
    if (!m_dropped) m_content.prepend(droppedNote());
    m_lines = MaxLines + 1;

    // The box counts blocks, not CR LF pairs (a lone CR is a break there too), so
    // it is trimmed by its own count.
    QTextDocument *document = m_box.document();
    const int firstKept = m_dropped ? 1 : 0;
    const int blocksToDrop = document->blockCount() - int(MaxLines) - 1;
    if (blocksToDrop > 0) {
        QTextCursor cut(document->findBlockByNumber(firstKept));
        cut.setPosition(document->findBlockByNumber(firstKept + blocksToDrop).position(),
                        QTextCursor::KeepAnchor);
        cut.removeSelectedText();
    }
    if (!m_dropped) {
        QTextCursor top(document);
        top.insertText(droppedNote().replace(u"\r\n"_s, u"\n"_s));
    }
    m_dropped = true;
    QTextCursor last(document);
    last.movePosition(QTextCursor::End);
    m_box.setTextCursor(last);
}

}  // namespace tavro::ui
