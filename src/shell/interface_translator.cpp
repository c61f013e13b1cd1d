#include "shell/interface_translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {
namespace {

Q_LOGGING_CATEGORY(lcLanguage, "tavro.language")

// In the order of the language combo box; English is the texts' own language.
constexpr std::array<const char16_t *, 6> LocaleNames = {u"", u"zh_CN", u"ja", u"fr", u"it", u"de"};

}  // namespace

InterfaceTranslator::InterfaceTranslator() = default;

InterfaceTranslator::~InterfaceTranslator()
{
    remove();
}

void InterfaceTranslator::remove()
{
    for (std::unique_ptr<QTranslator> *translator : {&m_translator, &m_qtTranslator}) {
        if (*translator) QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

QString InterfaceTranslator::localeName(int languageIndex)
{
    if (languageIndex < 0 || languageIndex >= int(LocaleNames.size())) return {};
    return QString::fromUtf16(LocaleNames[std::size_t(languageIndex)]);
}

void InterfaceTranslator::apply(int languageIndex)
{
    const QString locale = localeName(languageIndex);
    const int language = locale.isEmpty() ? 0 : languageIndex;
    if (language == m_language) return;
    remove();
    m_language = 0;
    if (locale.isEmpty()) return;
    auto translator = std::make_unique<QTranslator>();
    // Built into the program by qt_add_translations.
    if (!translator->load(u":/i18n/tavro_"_s + locale)) {
        qCWarning(lcLanguage) << "no translation for" << locale << "; the menus stay in English";
        return;
    }
    // Qt's own texts: the buttons of message boxes, the file dialog.
    auto qtTranslator = std::make_unique<QTranslator>();
    if (qtTranslator->load(u"qtbase_"_s + locale, qtTranslationsFolder())) {
        QCoreApplication::installTranslator(qtTranslator.get());
        m_qtTranslator = std::move(qtTranslator);
    } else {
        qCWarning(lcLanguage) << "no Qt translation for" << locale << "in" << qtTranslationsFolder()
                              << "; Qt's buttons stay in English";
    }
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    m_language = language;
}

QString InterfaceTranslator::qtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

}  // namespace tavro::shell
