#include "uitranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace lume {

namespace {

QString variable(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// "ja_JP.UTF-8@euro" -> "ja_JP"
QString withoutCodesetAndModifier(const QString &locale)
{
    qsizetype end = locale.size();
    for (const QChar stop : {u'.', u'@'}) {
        const qsizetype at = locale.indexOf(stop);
        if (at >= 0)
            end = std::min(end, at);
    }
    return locale.left(end).trimmed();
}

bool isPlainC(const QString &locale)
{
    const QString name = withoutCodesetAndModifier(locale);
    return name.isEmpty() || name == u"C" || name == u"POSIX";
}

// The shipped language a preference names; "en" for English; empty when none matches.
QString match(const QString &preference, const QStringList &shipped)
{
    QString name = withoutCodesetAndModifier(preference);
    name.replace(u'-', u'_');
    const QString base = name.section(u'_', 0, 0).toLower();
    if (base.isEmpty())
        return {};
    if (base == u"en")
        return QStringLiteral("en");
    QString wanted = base;
    if (base == u"zh") {
        const QString rest = name.section(u'_', 1).toUpper();
        const bool traditional = rest.contains(u"HANT") || rest == u"TW" || rest == u"HK" || rest == u"MO";
        wanted = traditional ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
    }
    return shipped.contains(wanted) ? wanted : QString();
}

bool loadQm(QTranslator &translator, const QString &name, const QStringList &dirs)
{
    for (const QString &dir : dirs) {
        if (translator.load(name, dir) && !translator.isEmpty())
            return true;
    }
    return false;
}

} // namespace

LocaleEnvironment LocaleEnvironment::current()
{
    return {variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")};
}

QStringList shippedUiLanguages()
{
    return {QStringLiteral("zh_CN"), QStringLiteral("zh_TW"), QStringLiteral("ja"), QStringLiteral("ko")};
}

QString chooseUiLanguage(const LocaleEnvironment &environment, const QStringList &shipped)
{
    QString locale = environment.lcAll;
    if (locale.isEmpty())
        locale = environment.lcMessages;
    if (locale.isEmpty())
        locale = environment.lang;
    if (isPlainC(locale))
        return {};
    QStringList preferences = environment.language.split(u':', Qt::SkipEmptyParts);
    if (preferences.isEmpty())
        preferences << locale;
    for (const QString &preference : std::as_const(preferences)) {
        const QString found = match(preference, shipped);
        if (found == u"en")
            return {};
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QStringList defaultTranslationDirs()
{
    QStringList dirs;
    if (QCoreApplication::instance() != nullptr)
        dirs << QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                QStringLiteral("/../share/lume/translations"));
    return dirs;
}

UiTranslations::UiTranslations(const QString &language, const QStringList &searchDirs)
{
    if (language.isEmpty() || QCoreApplication::instance() == nullptr)
        return;
    auto own = std::make_unique<QTranslator>();
    if (!loadQm(*own, QStringLiteral("lume_") + language, searchDirs))
        return; // English throughout rather than Qt's buttons in one language and ours in another
    QCoreApplication::installTranslator(own.get());
    m_own = std::move(own);
    m_language = language;
    auto qt = std::make_unique<QTranslator>();
    if (loadQm(*qt, QStringLiteral("qtbase_") + language,
               {QLibraryInfo::path(QLibraryInfo::TranslationsPath)})) {
        QCoreApplication::installTranslator(qt.get());
        m_qt = std::move(qt);
    }
}

UiTranslations::UiTranslations(const LocaleEnvironment &environment)
    : UiTranslations(chooseUiLanguage(environment))
{ }

UiTranslations::~UiTranslations()
{
    if (m_qt)
        QCoreApplication::removeTranslator(m_qt.get());
    if (m_own)
        QCoreApplication::removeTranslator(m_own.get());
}

} // namespace lume
