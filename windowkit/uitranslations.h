#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace lume {

// The locale variables that choose the language of the texts, as the desktop session sets them.
struct LocaleEnvironment
{
    QString language; // LANGUAGE: a colon-separated list of preferences
    QString lcAll;
    QString lcMessages;
    QString lang;

    [[nodiscard]] static LocaleEnvironment current();
};

// The languages with translations of our own.
[[nodiscard]] QStringList shippedUiLanguages();

// The language the texts are shown in, as gettext picks it: LC_ALL, else LC_MESSAGES, else LANG names the
// locale; C or POSIX (with any code set) or none at all means English whatever LANGUAGE says; otherwise
// the first entry of LANGUAGE, else the locale, that is English or one of `shipped`. Codesets and
// modifiers are dropped ("ja_JP.eucJP@euro" is "ja"), Hong Kong and Macao read Traditional Chinese,
// other Chinese Simplified. An empty result is English, the texts as written.
[[nodiscard]] QString chooseUiLanguage(const LocaleEnvironment &environment,
                                       const QStringList &shipped = shippedUiLanguages());

// Where the programs' own .qm files are: beside the programs' share folder (an install or a build tree).
[[nodiscard]] QStringList defaultTranslationDirs();

// Our texts and Qt's own (buttons, file dialogs) in one language, installed on the application for as
// long as this lives. A missing, empty, refused or truncated file of ours leaves every text English.
class UiTranslations
{
public:
    explicit UiTranslations(const QString &language,
                            const QStringList &searchDirs = defaultTranslationDirs());
    // The desktop's language.
    explicit UiTranslations(const LocaleEnvironment &environment);
    UiTranslations(const UiTranslations &) = delete;
    UiTranslations &operator=(const UiTranslations &) = delete;
    ~UiTranslations();

    // The language whose texts were installed; empty: English.
    [[nodiscard]] QString language() const { return m_language; }

private:
    QString m_language;
    std::unique_ptr<QTranslator> m_own;
    std::unique_ptr<QTranslator> m_qt;
};

} // namespace lume
