// What the windows ask of the desktop: boxes, files, the browser, notifications and the end of
// the program. The program uses the system's; tests answer for the operator.
#pragma once

#include "platform/prompter.h"
#include "ui/font_chooser.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QWidget;

namespace tavro::shell {

enum class BoxButtons { Ok = 0, OkCancel = 1 };
enum class FileQuestion {
    OpenPicture,
    OpenJob,
    SaveJob,
    ExportBoard,
    ExportPresets,
    ImportPresets
};

class Desktop : public ui::FontChooser {
public:
    // Modal for the whole program: 0 for OK, 1 for Cancel (closing the box counts as Cancel
    // when there is one).
    virtual int messageBox(const QString &text, BoxButtons buttons, const QString &caption) = 0;
    // One of several answers: the index of the button, -1 when the box was closed.
    virtual int choose(const QString &text, const QString &caption, const QStringList &buttons) = 0;
    // The file the operator picks, empty when cancelled; the dialog starts at `suggested`.
    virtual QString askFile(FileQuestion question, const QString &suggested, QWidget *parent) = 0;
    virtual void showAbout(const QString &title, const QString &text, QWidget *parent) = 0;
    // Never blocks and never fails: without a notification server or a tray, it says nothing.
    virtual void notify(const QString &title, const QString &text) = 0;
    virtual void openMakerSite() = 0;
    // Ends the program's event loop.
    virtual void quit() = 0;
};

class SystemDesktop final : public Desktop {
    Q_DECLARE_TR_FUNCTIONS(tavro::shell::SystemDesktop)

public:
    int messageBox(const QString &text, BoxButtons buttons, const QString &caption) override;
    int choose(const QString &text, const QString &caption, const QStringList &buttons) override;
    QString askFile(FileQuestion question, const QString &suggested, QWidget *parent) override;
    void showAbout(const QString &title, const QString &text, QWidget *parent) override;
    void notify(const QString &title, const QString &text) override;
    void openMakerSite() override;
    void quit() override;
    std::optional<QFont> chooseFont(const QFont &current) override;
};

// The core's questions, shown as the desktop's boxes.
class BoxPrompter final : public platform::Prompter {
public:
    explicit BoxPrompter(Desktop &desktop) : m_desktop(desktop) {}

    void inform(const QString &text, const QString &caption) override
    {
        m_desktop.messageBox(text, BoxButtons::Ok, caption);
    }
    bool confirm(const QString &text, const QString &caption) override
    {
        return m_desktop.messageBox(text, BoxButtons::OkCancel, caption) == 0;
    }
    int choose(const QString &text, const QString &caption, const QStringList &buttons) override
    {
        return m_desktop.choose(text, caption, buttons);
    }

private:
    Desktop &m_desktop;
};

}  // namespace tavro::shell
