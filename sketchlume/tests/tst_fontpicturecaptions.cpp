// Sketchlume's captions with the fonts the program really gets, and "System", the design's default
// face, at a first start.
#include "windowrig.h"

#include "captionmeasures.h"
#include "fontlist.h"
#include "testlanguages.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>

using namespace lume;
using namespace lume::test;

class TstFontPictureCaptions : public QObject
{
    Q_OBJECT

    static void languageRows()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : everyUiLanguage())
            QTest::newRow(languageRowName(language)) << language;
    }

    // Every caption in every language, in the design's English here and translated in the window.
    static void addCaptionRows(const QString &language)
    {
        const auto newRow = [&language](const QByteArray &row) -> QTestData & {
            return QTest::newRow(languageRowName(language) + ": " + row) << language;
        };
        newRow("title") << "Label1"
                        << "  Sketchlume  " << QSize(657, 39);
        newRow("Top Location Adjust") << "Label6"
                                      << "Top Location Adjust:" << QSize(145, 25);
        newRow("Up Paste Text") << "CmdUpText"
                                << "Up Paste Text" << QSize(121, 25);
        newRow("Load Picture") << "CmdLdPic"
                               << "Load Picture" << QSize(121, 25);
        newRow("Save Picture") << "CmdSvPic"
                               << "Save Picture" << QSize(121, 25);
        newRow("Port") << "Label4"
                       << "Port:" << QSize(49, 17);
        newRow("Send") << "CmdSend"
                       << "Send" << QSize(121, 25);
        newRow("Exit") << "CmdExit"
                       << "Exit" << QSize(121, 25);
        newRow("Used") << "Label8"
                       << "Used->" << QSize(49, 17);
        newRow("Free") << "Label9"
                       << "<-Free" << QSize(57, 17);
        for (int m : {0, 7}) {
            const QString k = QString::number(m);
            const QByteArray row = "message " + QByteArray::number(m + 1) + ": ";
            newRow(row + "frame") << "Frame1" + k << QStringLiteral("Message%1 Show Image:").arg(m + 1)
                                  << QSize(625, 81);
            newRow(row + "Font Name") << "Label5" + k << "Font Name:" << QSize(89, 17);
            newRow(row + "Font Size") << "Label7" + k << "Font Size:" << QSize(81, 17);
            newRow(row + "Font Bold") << "ChkBold" + k << "Font Bold" << QSize(89, 17);
            newRow(row + "Move Direction") << "Label3" + k << "Move Direction:" << QSize(113, 17);
            newRow(row + "Flash") << "ChkFls" + k << "Flash" << QSize(81, 17);
            newRow(row + "Move Speed") << "Label2" + k << "Move Speed:" << QSize(105, 17);
            newRow(row + "tab") << "TabStrip1#" + k << QStringLiteral("Message%1").arg(m + 1) << QSize();
        }
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void shouldFitEachCaptionInItsDesignBox_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QSize>("box");
        for (const QString &language : everyUiLanguage())
            addCaptionRows(language);
    }

    void shouldFitEachCaptionInItsDesignBox()
    {
        QFETCH(QString, language);
        QFETCH(QString, name);
        QFETCH(QString, english);
        QFETCH(QSize, box);
        const UiTranslations translations(language, {translationsDir()});
        QCOMPARE(translations.language(), language);
        const QString text = QCoreApplication::translate("FontPictureWindow", english.toUtf8().constData());
        QVERIFY(language.isEmpty() || name == u"Label1" || text != english);
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        const QList<CaptionMeasure> measures = measureCaptions(&window);
        const auto measure = std::find_if(measures.cbegin(), measures.cend(),
                                          [&name](const CaptionMeasure &m) { return m.objectName == name; });
        QVERIFY(measure != measures.cend());
        QCOMPARE(measure->text, text);
        const QWidget *control = window.findChild<QWidget *>(name.section(u'#', 0, 0));
        QVERIFY(control);
        if (const auto *strip = qobject_cast<const QTabWidget *>(control))
            control = strip->tabBar();
        if (box.isValid()) {
            QCOMPARE(control->size(), box); // the design's geometry stays
            QVERIFY(QRect(QPoint(), box).contains(measure->room));
        } else {
            // A tab: wholly inside the strip, none behind scroll arrows.
            const auto *bar = static_cast<const QTabBar *>(control);
            QVERIFY(bar->tabRect(7).right() <
                    window.findChild<QWidget *>(QStringLiteral("TabStrip1"))->width());
        }
        const QFontMetrics metrics(control->font());
        QVERIFY2(metrics.horizontalAdvance(text) <= measure->room.width(),
                 qPrintable(QStringLiteral("%1 px wide in %2 px")
                                .arg(metrics.horizontalAdvance(text))
                                .arg(measure->room.width())));
        QVERIFY(metrics.height() <= measure->room.height());
    }

    void shouldFitEveryCaptionOfTheWindow_data() { languageRows(); }

    void shouldFitEveryCaptionOfTheWindow()
    {
        QFETCH(QString, language);
        const UiTranslations translations(language, {translationsDir()});
        QCOMPARE(translations.language(), language);
        WindowRig rig;
        const QList<CaptionMeasure> measures = measureCaptions(&rig.start());
        QVERIFY(measures.size() >= 8 * 7 + 8 + 10);
        for (const CaptionMeasure &m : measures)
            QVERIFY2(m.fits(), qPrintable(m.objectName + QStringLiteral(": ") + m.text));
    }

    // No translation makes the window's captions shrink below the design's size.
    void shouldKeepTheDesignSizeInEveryLanguage_data() { languageRows(); }

    void shouldKeepTheDesignSizeInEveryLanguage()
    {
        QFETCH(QString, language);
        const UiTranslations translations(language, {translationsDir()});
        WindowRig rig;
        rig.start();
        for (const char *name : {"Label6", "CmdUpText", "Label50", "ChkFls7", "Label8"})
            QCOMPARE(rig.child<QWidget>(name)->font().pixelSize(), 13);
    }

    void shouldOpenEveryDropDownListWideEnoughForItsEntries()
    {
        WindowRig rig;
        QWidget &window = rig.start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList narrow = test::narrowDropDowns(&window);
        QVERIFY2(narrow.isEmpty(), qPrintable(narrow.join(QStringLiteral(", "))));
    }

    void shouldShowEveryListEntryWhole()
    {
        WindowRig rig;
        rig.port.setOpenablePorts({}); // COM1 to COM32
        QWidget &window = rig.start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(rig.child<QComboBox>("ComSele")->count(), 32);
        // The eight font lists are alike: one of them stands for all.
        QStringList others;
        for (int m = 1; m < 8; ++m)
            others << QStringLiteral("FntName%1").arg(m);
        const QStringList cut = cutListEntries(&window, others);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
        // The design's geometry stays.
        QCOMPARE(rig.child<QComboBox>("ComSele")->geometry(), QRect(56, 442, 65, 24));
        QCOMPARE(rig.child<QComboBox>("TopAdj")->geometry(), QRect(168, 389, 41, 24));
    }

    void shouldShowTheStartOfListTexts()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        for (const char *name : {"ComMod0", "ComMod5", "FntName0", "TopAdj"})
            QCOMPARE(window.findChild<QComboBox *>(name)->lineEdit()->cursorPosition(), 0);
    }

    void shouldOfferSystemOnceAmongTheInstalledFamilies()
    {
        const QStringList families = composerFontFamilies();
        QCOMPARE(families.count(QStringLiteral("System")), 1);
        for (const QString &family : QFontDatabase::families())
            QVERIFY(families.contains(family));
        for (qsizetype i = 1; i < families.size(); ++i)
            QVERIFY(QString::compare(families[i - 1], families[i], Qt::CaseInsensitive) <= 0);
        QCOMPARE(drawingFamily(QStringLiteral("DejaVu Sans Mono")), QStringLiteral("DejaVu Sans Mono"));
        if (!QFontDatabase::hasFamily(QStringLiteral("System"))) {
            QCOMPARE(drawingFamily(QStringLiteral("System")),
                     QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        }
    }

    void shouldStartInTheGeneralFontWithoutASettingsFile()
    {
        if (QFontDatabase::hasFamily(QStringLiteral("System")))
            QSKIP("a family called System is installed; it wins");
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        const QFont general = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        for (int m = 0; m < 8; ++m) {
            const QString k = QString::number(m);
            QCOMPARE(rig.child<QComboBox>("FntName" + k)->currentText(), QStringLiteral("System"));
            QCOMPARE(QFontInfo(rig.child<QPlainTextEdit>("TxtBox" + k)->font()).family(),
                     QFontInfo(general).family());
        }
        // "Up Paste Text" draws the first message in that font, not in the alphabetically first family.
        rig.child<QPushButton>("CmdUpText")->click();
        DrawingSurface expected;
        expected.drawText(rig.child<QPlainTextEdit>("TxtBox0")->toPlainText(), general.family(), 10, false,
                          -2);
        QCOMPARE(shownSurface(window, 0), expected.image());
        QVERIFY(WindowTestAccess::bank(window).width(0) > 0);
    }
};

QTEST_MAIN(TstFontPictureCaptions)
#include "tst_fontpicturecaptions.moc"
