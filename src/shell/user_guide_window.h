// The user guide: short pages for a hobbyist, in the interface language, shipped as HTML.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace tavro::shell {

class UserGuideWindow final : public QDialog {
    Q_OBJECT
public:
    // The page of a combo box language in the resources; English for anything else.
    static QString pagePath(int languageIndex);

    // Opens on no page; showLanguage gives it one.
    explicit UserGuideWindow(QWidget *parent = nullptr);

    // Shows the page of a language from its top, unless it is on it already.
    void showLanguage(int languageIndex);
    QTextBrowser &browser() const { return *m_browser; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QTextBrowser *m_browser;
    QString m_page;
};

}  // namespace tavro::shell
