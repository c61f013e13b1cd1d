// The message log box 编辑框1: shows what the message log says, the newest lines kept.
#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace tavro::ui {

class LogBox {
public:
    // The newest lines kept; a machine flooding reports must not grow memory without end.
    static constexpr qsizetype MaxLines = 10000;
    // Lines dropped at once when the log is full, so trimming stays cheap.
    static constexpr qsizetype TrimLines = 1000;

    explicit LogBox(QPlainTextEdit &box);

    // Appends the text unchanged at the end, with the caret there and in view.
    void logText(const QString &text);
    void logLine(const QString &text);
    // Everything the program has appended and still keeps, CR LF and all.
    const QString &content() const { return m_content; }

    static QString initialContent();
    static QString droppedNote();

private:
    void dropOldest();

    QPlainTextEdit &m_box;
    QString m_content;
    qsizetype m_lines = 0;  // line ends in m_content
    bool m_dropped = false;
};

}  // namespace tavro::ui
