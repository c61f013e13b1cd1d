// The message log: the one place where the program tells the operator what it does.
#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace tavro::shell {

class MessageLog {
public:
    explicit MessageLog(QPlainTextEdit &box);

    // Appends the text unchanged at the end, with the caret there and in view.
    void LogText(const QString &text);
    void LogLine(const QString &text);
    // Everything the program has appended, CR LF and all.
    const QString &content() const { return m_content; }

    static QString InitialContent();

private:
    QPlainTextEdit &m_box;
    QString m_content;
};

}  // namespace tavro::shell
