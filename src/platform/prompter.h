// How the program asks the operator: message boxes in the window, the terminal in a command.
#pragma once

#include <QString>
#include <QStringList>

namespace tavro::platform {

class Prompter {
public:
    virtual ~Prompter() = default;

    // Tells the operator; returns once it has been read (a box modal for the whole
    // program) or at once where nobody can answer.
    virtual void inform(const QString &text, const QString &caption) = 0;
    // OK is true, Cancel (or closing the box) false.
    virtual bool confirm(const QString &text, const QString &caption) = 0;
    // One of several answers: the index of the button chosen, -1 when the box was closed.
    virtual int choose(const QString &text, const QString &caption, const QStringList &buttons) = 0;
};

}  // namespace tavro::platform
