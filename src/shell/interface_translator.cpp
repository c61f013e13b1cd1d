#include "shell/interface_translator.h"

#include <QCoreApplication>
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
    if (m_translator) QCoreApplication::removeTranslator(m_translator.get());
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
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    m_language = 0;
    if (locale.isEmpty()) return;
    auto translator = std::make_unique<QTranslator>();
    // Built into the program by qt_add_translations.
    if (!translator->load(u":/i18n/tavro_"_s + locale)) {
        qCWarning(lcLanguage) << "no translation for" << locale << "; the menus stay in English";
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    m_language = language;
}

}  // namespace tavro::shell
