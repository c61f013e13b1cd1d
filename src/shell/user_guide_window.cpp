#include "shell/user_guide_window.h"

#include "shell/interface_translator.h"

#include <QEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {

QString UserGuideWindow::pagePath(int languageIndex)
{
    const QString locale = InterfaceTranslator::localeName(languageIndex);
    return u":/assets/guide/%1.html"_s.arg(locale.isEmpty() ? u"en"_s : locale);
}

UserGuideWindow::UserGuideWindow(QWidget *parent)
    : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setObjectName(u"userGuideWindow"_s);
    m_browser->setObjectName(u"userGuideBrowser"_s);
    // Links to the web open in the browser; the pages' own anchors stay here.
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    // The screenshots, 760 pixels wide, fit without scrolling sideways.
    resize(820, 660);
    retranslate();
}

void UserGuideWindow::showLanguage(int languageIndex)
{
    const QString page = pagePath(languageIndex);
    if (page == m_page) return;
    m_page = page;
    m_browser->setSource(QUrl(u"qrc"_s + page));
}

void UserGuideWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void UserGuideWindow::retranslate()
{
    setWindowTitle(tr("Tavro Laser User Guide"));
}

}  // namespace tavro::shell
