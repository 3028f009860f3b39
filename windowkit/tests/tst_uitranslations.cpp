// The language of the texts as the desktop's locale chooses it, and the .qm files that carry it: a bad
// file leaves the texts English and never stops the program.
#include "uitranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace lume;

namespace {

const QString TranslationsDir = QStringLiteral(LUME_BINARY_DIR "/share/lume/translations");

// A text of the core that every shipped language translates.
QString refusal()
{
    return QCoreApplication::translate("lume::BadgeSender", "Open port fail!");
}

} // namespace

class TstUiTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldChooseTheLanguageAsGettextDoes_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("expected");
        const QString none;
        QTest::newRow("nothing set") << none << none << none << none << none;
        QTest::newRow("LANG ja_JP.UTF-8") << none << none << none << "ja_JP.UTF-8"
                                          << "ja";
        QTest::newRow("LANG zh_CN.GB18030") << none << none << none << "zh_CN.GB18030"
                                            << "zh_CN";
        QTest::newRow("LANG ja_JP@euro") << none << none << none << "ja_JP@euro"
                                         << "ja";
        QTest::newRow("LANG ko_KR.eucKR") << none << none << none << "ko_KR.eucKR"
                                          << "ko";
        QTest::newRow("LANG zh_TW.Big5") << none << none << none << "zh_TW.Big5"
                                         << "zh_TW";
        QTest::newRow("Hong Kong reads Traditional") << none << none << none << "zh_HK.UTF-8"
                                                     << "zh_TW";
        QTest::newRow("Macao reads Traditional") << none << none << none << "zh_MO"
                                                 << "zh_TW";
        QTest::newRow("Singapore reads Simplified") << none << none << none << "zh_SG.UTF-8"
                                                    << "zh_CN";
        QTest::newRow("bare zh") << none << none << none << "zh"
                                 << "zh_CN";
        QTest::newRow("English locale") << none << none << none << "en_US.UTF-8" << none;
        QTest::newRow("unshipped locale") << none << none << none << "de_DE.UTF-8" << none;
        QTest::newRow("LANG C") << none << none << none << "C" << none;
        QTest::newRow("LANG C.UTF-8") << none << none << none << "C.UTF-8" << none;
        QTest::newRow("LANG POSIX") << none << none << none << "POSIX" << none;
        QTest::newRow("LC_MESSAGES over LANG") << none << none << "ko_KR.UTF-8"
                                               << "ja_JP.UTF-8"
                                               << "ko";
        QTest::newRow("LC_ALL over LC_MESSAGES") << none << "zh_TW.UTF-8"
                                                 << "ko_KR.UTF-8"
                                                 << "ja_JP.UTF-8"
                                                 << "zh_TW";
        QTest::newRow("LANGUAGE over LANG") << "ja" << none << none << "zh_CN.UTF-8"
                                            << "ja";
        QTest::newRow("LANGUAGE skips an unshipped language")
            << "fr:de_DE:ko" << none << none << "en_US.UTF-8"
            << "ko";
        QTest::newRow("LANGUAGE with English first") << "en_GB:ja" << none << none << "ja_JP.UTF-8" << none;
        QTest::newRow("LANGUAGE of unshipped only") << "fr:de" << none << none << "ja_JP.UTF-8" << none;
        QTest::newRow("LANGUAGE with empty entries") << "::zh_TW:" << none << none << "ja_JP.UTF-8"
                                                     << "zh_TW";
        QTest::newRow("LANGUAGE under LANG C") << "ja" << none << none << "C" << none;
        QTest::newRow("LANGUAGE under LC_ALL C.UTF-8") << "zh_CN"
                                                       << "C.UTF-8" << none << "zh_CN.UTF-8" << none;
        QTest::newRow("LANGUAGE under LC_MESSAGES POSIX") << "ko" << none << "POSIX"
                                                          << "ko_KR.UTF-8" << none;
        QTest::newRow("LANGUAGE without any locale") << "ja" << none << none << none << none;
        QTest::newRow("LC_ALL ja over LANG C") << none << "ja_JP.eucJP" << none << "C"
                                               << "ja";
        QTest::newRow("garbage") << ":::"
                                 << "@" << none << ".." << none;
    }

    void shouldChooseTheLanguageAsGettextDoes()
    {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QString, expected);
        QCOMPARE(chooseUiLanguage({language, lcAll, lcMessages, lang}), expected);
    }

    void shouldInstallOursAndQtsOwnTexts()
    {
        const QString english = refusal();
        {
            const UiTranslations translations(QStringLiteral("ja"), {TranslationsDir});
            QCOMPARE(translations.language(), QStringLiteral("ja"));
            QCOMPARE(refusal(), QStringLiteral("ポートを開けませんでした。"));
            if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                              QStringLiteral("/qtbase_ja.qm")))
                QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                         QStringLiteral("キャンセル"));
        }
        QCOMPARE(refusal(), english); // gone with the object
    }

    void shouldStayEnglishWithABadFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("present");
        QFile good(TranslationsDir + QStringLiteral("/lume_ko.qm"));
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray whole = good.readAll();
        QVERIFY(whole.size() > 100);
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("not a .qm file") << QByteArray("[Desktop Entry]\nName=x\n") << true;
        QTest::newRow("truncated in the middle") << whole.left(whole.size() / 2) << true;
        QTest::newRow("truncated after the magic") << whole.left(20) << true;
        QTest::newRow("magic only") << whole.left(16) << true;
    }

    void shouldStayEnglishWithABadFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, present);
        QTemporaryDir dir;
        if (present) {
            QFile file(dir.filePath(QStringLiteral("lume_ko.qm")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        const QString english = refusal();
        const UiTranslations translations(QStringLiteral("ko"), {dir.path()});
        QCOMPARE(translations.language(), QString());
        QCOMPARE(refusal(), english);
        // Nor Qt's buttons alone in Korean.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }

    void shouldStayEnglishForEnglishAndUnshippedLanguages()
    {
        for (const QString &language : {QString(), QStringLiteral("de")}) {
            const UiTranslations translations(language, {TranslationsDir});
            QCOMPARE(translations.language(), QString());
            QCOMPARE(refusal(), QStringLiteral("Open port fail!"));
        }
    }

    // A translation that loses a %1 shows a raw placeholder or drops a port name; one that changes a
    // filter's patterns or a text's closing line break changes what the program does with it.
    void shouldKeepEveryPlaceholderPatternAndLineBreak_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : shippedUiLanguages())
            QTest::newRow(language.toLatin1()) << language;
    }

    void shouldKeepEveryPlaceholderPatternAndLineBreak()
    {
        QFETCH(QString, language);
        QFile file(QStringLiteral(LUME_SOURCE_DIR "/translations/lume_%1.ts").arg(language));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        const QRegularExpression placeholder(QStringLiteral("%\\d"));
        const auto placeholders = [&placeholder](const QString &text) {
            QStringList found;
            for (const QRegularExpressionMatch &m : placeholder.globalMatch(text))
                found << m.captured();
            found.sort();
            found.removeDuplicates();
            return found;
        };
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                const QString translation = xml.readElementText();
                ++messages;
                QCOMPARE(placeholders(translation), placeholders(source));
                QCOMPARE(translation.endsWith(u'\n'), source.endsWith(u'\n'));
                if (source.contains(QStringLiteral(")|*."))) // a file dialog filter
                    QCOMPARE(translation.section(u'(', 1), source.section(u'(', 1));
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 100);
    }

    void shouldFindTheFilesBesideTheBuiltPrograms()
    {
        // The tests sit in bin/ with the programs, share/lume/translations beside it.
        QVERIFY(defaultTranslationDirs().contains(QDir::cleanPath(TranslationsDir)));
        for (const QString &language : shippedUiLanguages())
            QVERIFY2(QFile::exists(TranslationsDir + QStringLiteral("/lume_%1.qm").arg(language)),
                     qPrintable(language));
    }
};

QTEST_GUILESS_MAIN(TstUiTranslations)
#include "tst_uitranslations.moc"
