// The translations of the texts that came after the caption table (menus, dialogs, messages)
// and of Qt's own texts.
#pragma once

#include <QString>

#include <memory>

class QTranslator;

namespace tavro::shell {

class InterfaceTranslator {
public:
    InterfaceTranslator();
    ~InterfaceTranslator();

    // Installs the translation of a combo box language, and Qt's own one (qtbase_*.qm from
    // qtTranslationsFolder()), or none for English and for no selection; Qt then tells every
    // window that the language changed.
    void apply(int languageIndex);
    // "zh_CN", "ja", "fr", "it", "de"; empty for English and anything else.
    static QString localeName(int languageIndex);
    // The language whose translation is installed; 0 when none is.
    int language() const { return m_language; }
    // Where Qt's own translations are installed (qt6-translations-l10n on Debian).
    static QString qtTranslationsFolder();

private:
    void remove();

    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_qtTranslator;
    int m_language = 0;
};

}  // namespace tavro::shell
