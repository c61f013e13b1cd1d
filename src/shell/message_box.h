// Message boxes modal for the whole program, and the prompter that shows the core's questions in
// them.
#pragma once

#include "platform/prompter.h"

#include <QString>

#include <functional>

namespace tavro::shell {

enum class BoxButtons { Ok = 0, OkCancel = 1 };

// 0 for OK, 1 for Cancel (closing the box counts as Cancel when there is one).
int showMessageBox(const QString &text, BoxButtons buttons, const QString &caption);

class BoxPrompter final : public platform::Prompter {
public:
    // Replaced by tests, which answer the boxes themselves.
    std::function<int(const QString &, BoxButtons, const QString &)> messageBox = showMessageBox;

    void inform(const QString &text, const QString &caption) override
    {
        messageBox(text, BoxButtons::Ok, caption);
    }
    bool confirm(const QString &text, const QString &caption) override
    {
        return messageBox(text, BoxButtons::OkCancel, caption) == 0;
    }
};

}  // namespace tavro::shell
