#include "testwaits.h"
#include "windowrig.h"

#include "composer.h"
#include "fontlist.h"
#include "sketchsendprofile.h"
#include "sketchsettings.h"
#include "sketchusagemeter.h"

#include "badgesender.h"
#include "badgestream.h"
#include "portdiagnosis.h"
#include "profilefile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

using namespace lume;
using lume::test::shownMessage;
using lume::test::shownMeter;
using lume::test::shownSurface;
using lume::test::WindowRig;

namespace {

const QString KnownFont = QStringLiteral("DejaVu Sans");

QString fixture(const QString &name)
{
    return QStringLiteral(LUME_SOURCE_DIR "/fontpicture/tests/data/") + name;
}

// The capture rule, pixel by pixel, independently of captureImage.
std::array<quint8, MessageBank::MessageBytes> bytesOf(const QImage &surface)
{
    std::array<quint8, MessageBank::MessageBytes> bytes {};
    for (int r = 0; r < 12; ++r)
        for (int x = 0; x < 4096; ++x)
            if (qRed(surface.pixel(x, r)) & (0x80 >> (x % 8)))
                bytes[r * 512 + x / 8] |= quint8(0x80 >> (x % 8));
    return bytes;
}

std::array<quint8, MessageBank::MessageBytes> bytesOf(const MessageBank &bank, int m)
{
    std::array<quint8, MessageBank::MessageBytes> bytes {};
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 512; ++c)
            bytes[r * 512 + c] = bank.byte(m, r, c);
    return bytes;
}

bool isEmpty(const MessageBank &bank, int m)
{
    const auto bytes = bytesOf(bank, m);
    return std::all_of(bytes.begin(), bytes.end(), [](quint8 b) { return b == 0; });
}

void paste(WindowRig &rig, int m, const QString &text, const QString &font, const QString &size,
           const QString &top)
{
    const QString k = QString::number(m);
    rig.child<QPlainTextEdit>("TxtBox" + k)->setPlainText(text);
    rig.child<QComboBox>("FntName" + k)->setCurrentText(font);
    rig.child<QComboBox>("FntSize" + k)->setCurrentText(size);
    rig.child<QComboBox>("TopAdj")->setCurrentText(top);
    rig.child<QPushButton>("CmdUpText")->click();
}

void selectTab(WindowRig &rig, int index)
{
    QTabBar *bar = rig.child<QTabWidget>("TabStrip1")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// The installed families and "System", which the lists always offer.
QStringList sortedFamilies()
{
    QStringList families = QFontDatabase::families();
    if (!families.contains(QStringLiteral("System")))
        families << QStringLiteral("System");
    std::stable_sort(families.begin(), families.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return families;
}

} // namespace

class TstFontPictureWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldPlaceEveryControlAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        // name, container, x, y, width, height | caption
        static const char *const layout[] = {
            "Label1 Form1 8 4 657 39 |  Sketchlume  ",
            "TabStrip1 Form1 8 48 657 381 |",
            "Frame10 Form1 24 76 625 81 |Message1 Show Image:",
            "Frame17 Form1 24 76 625 81 |Message8 Show Image:",
            "Picture13 Frame13 16 24 593 16 |",
            "HScroll15 Frame15 16 48 593 17 |",
            "Frame24 Form1 24 160 625 217 |",
            "TxtBox4 Frame24 16 24 593 49 |",
            "Frame31 Frame21 16 80 593 57 |",
            "Label51 Frame31 24 22 89 17 |Font Name:",
            "FntName1 Frame31 104 20 193 24 |",
            "Label71 Frame31 328 22 81 17 |Font Size:",
            "FntSize1 Frame31 400 20 49 24 |",
            "ChkBold1 Frame31 488 22 89 17 |Font Bold",
            "Frame46 Frame26 16 144 593 57 |",
            "Label36 Frame46 24 22 113 17 |Move Direction:",
            "ComMod6 Frame46 136 20 145 24 |",
            "ChkFls6 Frame46 320 22 81 17 |Flash",
            "Label26 Frame46 416 22 105 17 |Move Speed:",
            "MovSpeed6 Frame46 512 20 49 24 |",
            "Frame5 Form1 28 383 145 33 |",
            "Label6 Frame5 0 8 145 25 |Top Location Adjust:",
            "TopAdj Form1 168 389 41 24 |",
            "CmdUpText Form1 232 390 121 25 |Up Paste Text",
            "CmdLdPic Form1 376 390 121 25 |Load Picture",
            "CmdSvPic Form1 520 390 121 25 |Save Picture",
            "Label4 Form1 16 444 49 17 |Port:",
            "ComSele Form1 56 442 65 24 |",
            "ProgressBar1 Form1 144 445 225 19 |",
            "CmdSend Form1 392 442 121 25 |Send",
            "CmdExit Form1 536 442 121 25 |Exit",
            "Label8 Form1 24 480 49 17 |Used->",
            "Picture2 Form1 80 482 516 15 |",
            "Label9 Form1 608 480 57 17 |<-Free",
        };
        for (const char *line : layout) {
            const QString row = QString::fromUtf8(line);
            const QStringList fields = row.section(u'|', 0, 0).split(u' ', Qt::SkipEmptyParts);
            QTest::newRow(line) << fields[0] << fields[1]
                                << QRect(fields[2].toInt(), fields[3].toInt(), fields[4].toInt(),
                                         fields[5].toInt())
                                << row.section(u'|', 1);
        }
    }

    void shouldPlaceEveryControlAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        QCOMPARE(window.objectName(), QStringLiteral("Form1"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Sketchlume Ver 2.00"));
        QCOMPARE(window.size(), QSize(673, 507));
        auto *widget = rig.child<QWidget>(name);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(), geometry);
        if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(label->text(), caption);
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            QCOMPARE(button->text(), caption);
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            QCOMPARE(frame->title(), caption);
    }

    void shouldShowTheSurfaceThroughA589PixelViewport()
    {
        WindowRig rig;
        rig.start();
        auto *picBox = rig.child<QWidget>("PicBox0");
        QCOMPARE(picBox->size(), QSize(4096, 12));
        QCOMPARE(picBox->parentWidget()->size(), QSize(589, 12));
        auto *scroll = rig.child<QScrollBar>("HScroll10");
        QCOMPARE(scroll->minimum(), 0);
        QCOMPARE(scroll->maximum(), 3507);
        QCOMPARE(scroll->singleStep(), 50);
        QCOMPARE(scroll->pageStep(), 500);
        QCOMPARE(rig.child<QProgressBar>("ProgressBar1")->maximum(), 19);
        QCOMPARE(rig.child<QComboBox>("ComMod0")->count(), 5);
        QCOMPARE(rig.child<QComboBox>("ComMod0")->itemText(4), QStringLiteral("Freeze show"));
        QCOMPARE(rig.child<QComboBox>("MovSpeed0")->itemText(7), QStringLiteral("8"));
        QCOMPARE(rig.child<QComboBox>("FntSize0")->itemText(0), QStringLiteral("6"));
        QCOMPARE(rig.child<QComboBox>("TopAdj")->itemText(0), QStringLiteral("-3"));
        QCOMPARE(rig.child<QTabWidget>("TabStrip1")->tabText(7), QStringLiteral("Message8"));
    }

    void shouldStartWithoutASettingsFile()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        const QStringList families = sortedFamilies();
        const QString expectedFont =
            families.contains(QStringLiteral("System")) ? QStringLiteral("System") : families.first();
        QCOMPARE(rig.child<QComboBox>("TopAdj")->currentText(), QStringLiteral("-2"));
        for (int m = 0; m < 8; ++m) {
            const QString k = QString::number(m);
            QCOMPARE(rig.child<QPlainTextEdit>("TxtBox" + k)->toPlainText(),
                     QStringLiteral("Message%1").arg(m + 1));
            QCOMPARE(rig.child<QComboBox>("FntName" + k)->currentText(), expectedFont);
            QCOMPARE(rig.child<QPlainTextEdit>("TxtBox" + k)->font().family(), drawingFamily(expectedFont));
            QCOMPARE(rig.child<QComboBox>("FntSize" + k)->currentText(), QStringLiteral("10"));
            QCOMPARE(rig.child<QCheckBox>("ChkBold" + k)->checkState(), Qt::Unchecked);
            QCOMPARE(rig.child<QComboBox>("ComMod" + k)->currentText(), QStringLiteral("From right to left"));
            QCOMPARE(rig.child<QCheckBox>("ChkFls" + k)->checkState(), Qt::Unchecked);
            QCOMPARE(rig.child<QComboBox>("MovSpeed" + k)->currentText(), QStringLiteral("4"));
            QCOMPARE(rig.child<QWidget>("Frame1" + k)->isVisible(), m == 0);
            QCOMPARE(rig.child<QWidget>("Frame2" + k)->isVisible(), m == 0);
            QCOMPARE(shownSurface(window, m).pixel(0, 0), qRgb(0, 0, 0));
        }
        auto *fonts = rig.child<QComboBox>("FntName3");
        QCOMPARE(fonts->count(), families.size());
        for (int i = 0; i < fonts->count(); ++i)
            QCOMPARE(fonts->itemText(i), families[i]);
        QCOMPARE(WindowTestAccess::bank(window), MessageBank());
        QCOMPARE(shownMessage(window), 0);
        QCOMPARE(rig.child<QTabWidget>("TabStrip1")->currentIndex(), 0);
        QVERIFY(!QFile::exists(rig.settingsPath())); // written at the close only
    }

    void shouldRestoreTheSettingsFileButNotTheBank()
    {
        WindowRig rig;
        SketchSettings stored;
        stored.topLocationAdjust = QStringLiteral("1.5");
        stored.commPort = QStringLiteral("COM9");
        stored.messages[2] = {QStringLiteral("Three\nlines\nhere"),
                              QStringLiteral("DejaVu Sans Mono"),
                              QStringLiteral("13"),
                              CheckValue::Greyed,
                              QStringLiteral("Freeze show"),
                              CheckValue::Checked,
                              QStringLiteral("9")};
        stored.messages[5].fontName = QStringLiteral("No Such Font Family");
        stored.messages[5].moveDirection = QStringLiteral("Sideways");
        ProfileFile file(rig.settingsPath());
        QVERIFY(writeSketchSettings(file, stored));
        FontPictureWindow &window = rig.start();

        QCOMPARE(rig.child<QComboBox>("TopAdj")->currentText(), QStringLiteral("1.5"));
        QCOMPARE(rig.child<QPlainTextEdit>("TxtBox2")->toPlainText(), QStringLiteral("Three\nlines\nhere"));
        QCOMPARE(rig.child<QComboBox>("FntName2")->currentText(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(rig.child<QPlainTextEdit>("TxtBox2")->font().family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(rig.child<QComboBox>("FntSize2")->currentText(), QStringLiteral("13"));
        QCOMPARE(rig.child<QCheckBox>("ChkBold2")->checkState(), Qt::PartiallyChecked);
        QCOMPARE(rig.child<QComboBox>("ComMod2")->currentText(), QStringLiteral("Freeze show"));
        QCOMPARE(rig.child<QCheckBox>("ChkFls2")->checkState(), Qt::Checked);
        QCOMPARE(rig.child<QComboBox>("MovSpeed2")->currentText(), QStringLiteral("9"));
        QCOMPARE(rig.child<QComboBox>("ComMod5")->currentText(), QStringLiteral("Sideways"));
        const QStringList families = sortedFamilies();
        QCOMPARE(rig.child<QComboBox>("FntName5")->currentText(),
                 families.contains(QStringLiteral("System")) ? QStringLiteral("System") : families.first());
        QCOMPARE(rig.child<QComboBox>("ComSele")->currentText(), QStringLiteral("COM1")); // from the probe
        QCOMPARE(WindowTestAccess::bank(window), MessageBank());

        // A click leaves the greyed state for good.
        auto *bold = rig.child<QCheckBox>("ChkBold2");
        bold->click();
        QCOMPARE(bold->checkState(), Qt::Checked);
        bold->click();
        QCOMPARE(bold->checkState(), Qt::Unchecked);
        bold->click();
        QCOMPARE(bold->checkState(), Qt::Checked);
    }

    void shouldShowTheTitleAsDesigned()
    {
        WindowRig rig;
        rig.start();
        auto *title = rig.child<QLabel>("Label1");
        QCOMPARE(title->alignment(), Qt::AlignCenter);
        QCOMPARE(title->font().family(), QStringLiteral("Arial Black"));
        QCOMPARE(title->font().pointSizeF(), 21.75);
        QVERIFY(title->font().bold());
        QVERIFY(title->font().underline());
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        auto *meter = rig.child<QWidget>("Picture2");
        QCOMPARE(meter->grab().toImage().pixel(40, 7), qRgb(0, 0, 0)); // black until the first capture
    }

    void shouldSelectARestoredFontByTheFallbackRule_data()
    {
        QTest::addColumn<QStringList>("families");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        const QStringList withSystem {"Arial", "DejaVu Sans", "System", "Tahoma"};
        const QStringList withoutSystem {"Arial", "DejaVu Sans", "Tahoma"};
        QTest::newRow("installed") << withSystem << "Tahoma" << 3;
        QTest::newRow("other case falls back to System") << withSystem << "tahoma" << 2;
        QTest::newRow("missing falls back to System") << withSystem << "Nowhere" << 2;
        QTest::newRow("missing without System: the first") << withoutSystem << "Nowhere" << 0;
        QTest::newRow("empty name") << withoutSystem << "" << 0;
        QTest::newRow("the last of equal entries")
            << QStringList {"A", "B", "B", "System", "System"} << "B" << 2;
        QTest::newRow("the last System") << QStringList {"A", "System", "System"} << "C" << 2;
        QTest::newRow("no fonts") << QStringList {} << "System" << -1;
    }

    void shouldSelectARestoredFontByTheFallbackRule()
    {
        QFETCH(QStringList, families);
        QFETCH(QString, name);
        QFETCH(int, index);
        QCOMPARE(int(fontListSelection(families, name)), index);
    }

    void shouldStartFromASettingsFileWrittenOnWindows()
    {
        WindowRig rig;
        QVERIFY(QFile::copy(fixture("windows-lumeset.ini"), rig.settingsPath()));
        QFile::setPermissions(rig.settingsPath(), QFile::ReadOwner | QFile::WriteOwner);
        FontPictureWindow &window = rig.start();
        const QStringList families = sortedFamilies();
        const QString fallback =
            families.contains(QStringLiteral("System")) ? QStringLiteral("System") : families.first();
        QCOMPARE(rig.child<QComboBox>("TopAdj")->currentText(), QStringLiteral("-3"));
        QCOMPARE(rig.child<QPlainTextEdit>("TxtBox0")->toPlainText(), QString(767, u'L'));
        QCOMPARE(rig.child<QComboBox>("FntName0")->currentText(), fallback); // 79 F's: no such font
        QCOMPARE(rig.child<QComboBox>("FntSize0")->currentText(), QStringLiteral("12"));
        QCOMPARE(rig.child<QCheckBox>("ChkBold0")->checkState(), Qt::Checked);
        QCOMPARE(rig.child<QComboBox>("ComMod0")->currentText(), QStringLiteral("Sideways and backwa"));
        QCOMPARE(rig.child<QPlainTextEdit>("TxtBox1")->toPlainText(), QStringLiteral("Grüße aus Wien"));
        QCOMPARE(rig.child<QComboBox>("FntName1")->currentText(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(rig.child<QComboBox>("FntSize1")->currentText(), QStringLiteral("7 points"));
        QCOMPARE(rig.child<QCheckBox>("ChkBold1")->checkState(), Qt::PartiallyChecked);
        QCOMPARE(rig.child<QCheckBox>("ChkFls1")->checkState(), Qt::Checked);
        QCOMPARE(rig.child<QComboBox>("MovSpeed1")->currentText(), QStringLiteral("9"));
        QCOMPARE(rig.child<QComboBox>("ComSele")->currentText(), QStringLiteral("COM1")); // not COM3
        QCOMPARE(WindowTestAccess::bank(window), MessageBank());

        // The close writes into the same file: its comment and line ends stay.
        window.close();
        QFile file(rig.settingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray contents = file.readAll();
        QVERIFY(contents.startsWith("; written by Sketchlume on Windows\r\n"));
        QCOMPARE(contents.count("\r\n"), contents.count('\n'));
        QVERIFY(contents.contains("TOPLOCATIONADJUST=-3\r\n"));
    }

    void shouldPreselectAPortFromTheProbe_data()
    {
        QTest::addColumn<QList<int>>("openable");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("COM1 and COM2") << QList<int> {1, 2} << QStringList {"COM1", "COM2"} << "COM1";
        QTest::newRow("COM1 and COM5") << QList<int> {1, 5} << QStringList {"COM1", "COM5"} << "COM5";
        QTest::newRow("only COM2") << QList<int> {2} << QStringList {"COM2"} << "COM2";
        QTest::newRow("only COM3") << QList<int> {3} << QStringList {"COM3"} << "COM3";
        QTest::newRow("COM2, COM7, COM32")
            << QList<int> {2, 7, 32} << QStringList {"COM2", "COM7", "COM32"} << "COM32";
        QTest::newRow("none") << QList<int> {40} << QStringList {} << "";
    }

    void shouldPreselectAPortFromTheProbe()
    {
        QFETCH(QList<int>, openable);
        QFETCH(QStringList, entries);
        QFETCH(QString, chosen);
        WindowRig rig;
        rig.port.setOpenablePorts(QSet<int>(openable.begin(), openable.end()));
        rig.start();
        auto *ports = rig.child<QComboBox>("ComSele");
        QStringList shown;
        for (int i = 0; i < ports->count(); ++i) {
            shown << ports->itemText(i);
            QCOMPARE(ports->itemData(i, Qt::ToolTipRole).toString(),
                     "/dev/ttyFAKE" + ports->itemText(i).mid(3));
        }
        QCOMPARE(shown, entries);
        QCOMPARE(ports->currentText(), chosen);
        QVERIFY(!rig.port.isOpen());
        int opens = 0;
        for (const auto &call : rig.port.calls())
            opens += call.operation == FakeSerialControl::Operation::Open;
        QCOMPARE(opens, 32);
    }

    void shouldPasteTextIntoTheBankAndTheMeter()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        paste(rig, 0, QStringLiteral("Hello, badge!"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        const QImage surface = shownSurface(window, 0);
        QCOMPARE(bytesOf(WindowTestAccess::bank(window), 0), bytesOf(surface));
        int rightmost = -1;
        for (int r = 0; r < 12; ++r)
            for (int c = 0; c < 512; ++c)
                if (WindowTestAccess::bank(window).byte(0, r, c))
                    rightmost = std::max(rightmost, c);
        QVERIFY(rightmost > 5);
        QVERIFY(rightmost < 20);
        const int width = rightmost + 1;
        QCOMPARE(int(WindowTestAccess::bank(window).width(0)), width);
        QCOMPARE(int(WindowTestAccess::bank(window).usedTotal()), width);
        const QImage meter = shownMeter(window);
        for (int x = 0; x < 512; ++x)
            QCOMPARE(meter.pixel(x, 6), x < width ? qRgb(255, 0, 0) : qRgb(0, 0, 0));
        // The meter on screen shows the same.
        const QImage shown = rig.child<QWidget>("Picture2")->grab().toImage();
        QCOMPARE(shown.pixel(2, 2), qRgb(255, 0, 0));
        QCOMPARE(shown.pixel(2 + width, 2), qRgb(0, 0, 0));
        for (int m = 1; m < 8; ++m)
            QVERIFY(isEmpty(WindowTestAccess::bank(window), m));

        // The same composition without the window gives the same message: one code path.
        MessageBank bank;
        DrawingSurface fresh;
        composeText(bank, 0, fresh, QStringLiteral("Hello, badge!"), KnownFont, QStringLiteral("10"), false,
                    QStringLiteral("0"));
        QCOMPARE(bytesOf(bank, 0), bytesOf(WindowTestAccess::bank(window), 0));
    }

    void shouldLightTheStemOfAnIInColumnsOneAndTwo_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<int>("firstRow"); // the stem runs from here to row 11
        QTest::newRow("top 0") << "0" << 3;
        QTest::newRow("top -2") << "-2" << 1;
        QTest::newRow("top -2.5, to even") << "-2.5" << 1;
        QTest::newRow("top 1") << "1" << 4;
    }

    void shouldLightTheStemOfAnIInColumnsOneAndTwo()
    {
        // DejaVu Sans Bold at 10 points is 13 pixels high; its I is a stem two pixels wide at columns
        // 1 and 2, nine rows high, its foot on the baseline below row 11.
        QFETCH(QString, top);
        QFETCH(int, firstRow);
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        rig.child<QCheckBox>("ChkBold0")->setCheckState(Qt::Checked);
        paste(rig, 0, QStringLiteral("I"), KnownFont, QStringLiteral("10"), top);
        for (int r = 0; r < 12; ++r) {
            const int lastRow = firstRow + 8;
            QCOMPARE(int(WindowTestAccess::bank(window).byte(0, r, 0)),
                     r >= firstRow && r <= lastRow ? 0x60 : 0);
            for (int c = 1; c < 512; ++c)
                QCOMPARE(int(WindowTestAccess::bank(window).byte(0, r, c)), 0);
        }
        QCOMPARE(int(WindowTestAccess::bank(window).width(0)), 1);
        QCOMPARE(int(WindowTestAccess::bank(window).usedTotal()), 1);
        const QImage meter = shownMeter(window);
        QCOMPARE(meter.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(meter.pixel(0, 11), qRgb(255, 0, 0));
        QCOMPARE(meter.pixel(1, 0), qRgb(0, 0, 0));
    }

    void shouldDrawDoubleByteTextWhole()
    {
        // Two ideographs 12 pixels wide each, from the fallback font of the known family.
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        paste(rig, 0, QStringLiteral("你好"), KnownFont, QStringLiteral("9"), QStringLiteral("0"));
        bool first = false;
        bool second = false;
        for (int r = 0; r < 12; ++r) {
            first = first || WindowTestAccess::bank(window).byte(0, r, 0) != 0;
            second = second || WindowTestAccess::bank(window).byte(0, r, 2) != 0;
        }
        QVERIFY(first);
        QVERIFY(second);
        QCOMPARE(int(WindowTestAccess::bank(window).width(0)), 3);
    }

    void shouldMoveTheTextWithTheTopOffset()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        paste(rig, 0, QStringLiteral("Hg"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        const auto atZero = bytesOf(WindowTestAccess::bank(window), 0);
        paste(rig, 0, QStringLiteral("Hg"), KnownFont, QStringLiteral("10"), QStringLiteral("-2"));
        const auto raised = bytesOf(WindowTestAccess::bank(window), 0);
        QVERIFY(atZero != raised);
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 512; ++c)
                QCOMPARE(raised[r * 512 + c], atZero[(r + 2) * 512 + c]);
    }

    void shouldLeaveNothingOfTheFirstPaste()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        paste(rig, 0, QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"), KnownFont, QStringLiteral("14"),
              QStringLiteral("-3"));
        QVERIFY(WindowTestAccess::bank(window).width(0) > 40);
        paste(rig, 0, QStringLiteral("."), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        const QImage surface = shownSurface(window, 0);
        QCOMPARE(bytesOf(WindowTestAccess::bank(window), 0), bytesOf(surface));
        QVERIFY(WindowTestAccess::bank(window).width(0) <= 1);
        for (int x = 8; x < 4096; ++x)
            for (int y = 0; y < 12; ++y)
                QCOMPARE(surface.pixel(x, y), qRgb(0, 0, 0));
        QCOMPARE(int(WindowTestAccess::bank(window).usedTotal()),
                 int(WindowTestAccess::bank(window).width(0)));
    }

    void shouldDrawBoldUnlessUnchecked()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        auto *bold = rig.child<QCheckBox>("ChkBold0");
        auto pasteWith = [&](Qt::CheckState state) {
            bold->setTristate(state == Qt::PartiallyChecked);
            bold->setCheckState(state);
            paste(rig, 0, QStringLiteral("Bold?"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
            return shownSurface(window, 0);
        };
        const QImage checked = pasteWith(Qt::Checked);
        const QImage greyed = pasteWith(Qt::PartiallyChecked);
        const QImage unchecked = pasteWith(Qt::Unchecked);
        QCOMPARE(greyed, checked);
        QVERIFY(unchecked != checked);
    }

    void shouldPreviewTheFontWhenTheFontNameLosesTheFocus()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *name = rig.child<QComboBox>("FntName0");
        auto *text = rig.child<QPlainTextEdit>("TxtBox0");
        const QFont before = text->font();
        name->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(name->hasFocus(), lume::test::SafetyNetMs);
        name->lineEdit()->selectAll();
        QTest::keyClicks(name->lineEdit(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(text->font().family(), before.family()); // typing alone changes nothing
        text->setFocus();
        QTRY_COMPARE_WITH_TIMEOUT(text->font().family(), QStringLiteral("DejaVu Sans Mono"),
                                  lume::test::SafetyNetMs);
        QCOMPARE(text->font().pointSizeF(), before.pointSizeF());
        QCOMPARE(text->font().bold(), before.bold());
        QCOMPARE(WindowTestAccess::bank(window), MessageBank());
        // A name that no font has is taken as typed.
        name->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(name->hasFocus(), lume::test::SafetyNetMs);
        name->setCurrentText(QStringLiteral("Made Up Family"));
        text->setFocus();
        QTRY_COMPARE_WITH_TIMEOUT(text->font().family(), QStringLiteral("Made Up Family"),
                                  lume::test::SafetyNetMs);
    }

    void shouldNotPreviewTheFontWhenItsListOpens_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("previewed");
        QTest::newRow("its list opens") << int(Qt::PopupFocusReason) << false;
        QTest::newRow("another program") << int(Qt::ActiveWindowFocusReason) << false;
        QTest::newRow("Tab key") << int(Qt::TabFocusReason) << true;
        QTest::newRow("mouse") << int(Qt::MouseFocusReason) << true;
    }

    void shouldNotPreviewTheFontWhenItsListOpens()
    {
        QFETCH(int, reason);
        QFETCH(bool, previewed);
        WindowRig rig;
        rig.start();
        auto *name = rig.child<QComboBox>("FntName4");
        auto *text = rig.child<QPlainTextEdit>("TxtBox4");
        const QString before = text->font().family();
        name->setCurrentText(QStringLiteral("DejaVu Serif"));
        QFocusEvent focusOut(QEvent::FocusOut, Qt::FocusReason(reason));
        QCoreApplication::sendEvent(name->lineEdit(), &focusOut);
        QCOMPARE(text->font().family(), previewed ? QStringLiteral("DejaVu Serif") : before);
    }

    void shouldSwitchMessagesWithTheTabs()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        paste(rig, 0, QStringLiteral("One"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        rig.child<QScrollBar>("HScroll10")->setValue(700);
        const MessageBank afterFirst = WindowTestAccess::bank(window);

        selectTab(rig, 2);
        QCOMPARE(shownMessage(window), 2);
        for (int m = 0; m < 8; ++m) {
            QCOMPARE(rig.child<QWidget>("Frame1" + QString::number(m))->isVisible(), m == 2);
            QCOMPARE(rig.child<QWidget>("Frame2" + QString::number(m))->isVisible(), m == 2);
        }
        QCOMPARE(WindowTestAccess::bank(window), afterFirst); // a tab change touches nothing
        paste(rig, 2, QStringLiteral("Three"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        QCOMPARE(bytesOf(WindowTestAccess::bank(window), 0), bytesOf(afterFirst, 0));
        const int w0 = WindowTestAccess::bank(window).width(0);
        const int w2 = WindowTestAccess::bank(window).width(2);
        const QImage meter = shownMeter(window);
        QCOMPARE(meter.pixel(w0 - 1, 0), usagemeter::Colours[0]);
        QCOMPARE(meter.pixel(w0, 0), usagemeter::Colours[2]);
        QCOMPARE(meter.pixel(w0 + w2, 0), qRgb(0, 0, 0));
        QCOMPARE(int(WindowTestAccess::bank(window).usedTotal()), w0 + w2);

        selectTab(rig, 2); // the current tab: nothing changes
        QCOMPARE(shownMessage(window), 2);
        selectTab(rig, 0);
        QCOMPARE(shownMessage(window), 0);
        QVERIFY(rig.child<QWidget>("Frame10")->isVisible());
        QVERIFY(!rig.child<QWidget>("Frame12")->isVisible());
        QCOMPARE(rig.child<QScrollBar>("HScroll10")->value(), 700);
        QCOMPARE(rig.child<QWidget>("PicBox0")->x(), -700);
        QCOMPARE(rig.child<QScrollBar>("HScroll12")->value(), 0);
        QCOMPARE(rig.child<QPlainTextEdit>("TxtBox2")->toPlainText(), QStringLiteral("Three"));
        QCOMPARE(rig.child<QPlainTextEdit>("TxtBox0")->toPlainText(), QStringLiteral("One"));
    }

    void shouldScrollThePreview_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("value");
        QTest::newRow("arrow right") << 0 << int(QAbstractSlider::SliderSingleStepAdd) << 50;
        QTest::newRow("arrow left") << 120 << int(QAbstractSlider::SliderSingleStepSub) << 70;
        QTest::newRow("track right") << 0 << int(QAbstractSlider::SliderPageStepAdd) << 500;
        QTest::newRow("track right near the end") << 3200 << int(QAbstractSlider::SliderPageStepAdd) << 3507;
        QTest::newRow("track left near the start") << 300 << int(QAbstractSlider::SliderPageStepSub) << 0;
        QTest::newRow("to the end") << 0 << int(QAbstractSlider::SliderToMaximum) << 3507;
    }

    void shouldScrollThePreview()
    {
        QFETCH(int, start);
        QFETCH(int, action);
        QFETCH(int, value);
        WindowRig rig;
        rig.start();
        auto *scroll = rig.child<QScrollBar>("HScroll10");
        auto *picBox = rig.child<QWidget>("PicBox0");
        scroll->setValue(start);
        QCOMPARE(picBox->x(), -start);
        scroll->triggerAction(QAbstractSlider::SliderAction(action));
        QCOMPARE(scroll->value(), value);
        QCOMPARE(picBox->x(), -value);
        QCOMPARE(rig.child<QWidget>("PicBox1")->x(), 0);
        if (value == 3507)
            QCOMPARE(picBox->x() + 4095, 588); // columns 3507..4095 fill the 589 pixels
    }

    void shouldMoveThePreviewWhenTheDraggedThumbIsReleased()
    {
        WindowRig rig;
        rig.start();
        auto *scroll = rig.child<QScrollBar>("HScroll10");
        auto *picBox = rig.child<QWidget>("PicBox0");
        scroll->setSliderDown(true);
        scroll->setSliderPosition(1234);
        QCOMPARE(picBox->x(), 0);
        scroll->setSliderDown(false);
        QCOMPARE(picBox->x(), -1234);
    }

    void shouldLoadAPictureThroughTheDialog()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        rig.dialogs.answer = fixture("icon32.ico");
        rig.child<QPushButton>("CmdLdPic")->click();
        QCOMPARE(rig.dialogs.requests.size(), 1);
        QCOMPARE(rig.dialogs.requests[0].save, false);
        // The design's filter first and chosen, then every format the reader takes, then all files.
        QCOMPARE(rig.dialogs.requests[0].filter,
                 QStringLiteral("Picture(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico"
                                "|Pictures(*.bmp;*.gif;*.jpg;*.jpeg;*.ico;*.cur;*.png)"
                                "|*.bmp;*.gif;*.jpg;*.jpeg;*.ico;*.cur;*.png|All files(*)|*"));
        QCOMPARE(rig.dialogs.requests[0].fileName, QString());
        QCOMPARE(int(WindowTestAccess::bank(window).width(0)), 4);
        QCOMPARE(WindowTestAccess::bank(window).byte(0, 0, 3), quint8(0xff));
        QCOMPARE(WindowTestAccess::bank(window).byte(0, 6, 0), quint8(0xff));
        QCOMPARE(WindowTestAccess::bank(window).byte(0, 11, 0), quint8(0));
        QCOMPARE(int(WindowTestAccess::bank(window).usedTotal()), 4);
        const QImage meter = shownMeter(window);
        QCOMPARE(meter.pixel(3, 0), qRgb(255, 0, 0));
        QCOMPARE(meter.pixel(4, 0), qRgb(0, 0, 0));

        // Save offers the loaded name; Load always starts from "".
        rig.dialogs.answer.clear();
        rig.child<QPushButton>("CmdSvPic")->click();
        QCOMPARE(rig.dialogs.requests[1].save, true);
        QCOMPARE(rig.dialogs.requests[1].filter, QStringLiteral("Picture(*.bmp)|*.bmp"));
        QCOMPARE(rig.dialogs.requests[1].fileName, fixture("icon32.ico"));
        rig.child<QPushButton>("CmdSvPic")->click(); // a cancelled save keeps the name
        QCOMPARE(rig.dialogs.requests[2].fileName, fixture("icon32.ico"));
        rig.child<QPushButton>("CmdLdPic")->click();
        QCOMPARE(rig.dialogs.requests[3].fileName, QString());
        rig.child<QPushButton>("CmdSvPic")->click(); // a cancelled load leaves no name
        QCOMPARE(rig.dialogs.requests[4].fileName, QString());
        QCOMPARE(int(WindowTestAccess::bank(window).width(0)), 4); // cancelled: the message stays
    }

    void shouldLightGreyAndColouredPixelsByTheirRedBits_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("BMP") << "colours16x12.bmp";
        QTest::newRow("GIF") << "colours16x12.gif";
    }

    void shouldLightGreyAndColouredPixelsByTheirRedBits()
    {
        // One colour per row (see make-fixtures.sh): grey 80, grey 7F, yellow, magenta, green, cyan,
        // blue, orange, dark red, grey 55, AA55FF, black.
        QFETCH(QString, file);
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        selectTab(rig, 6);
        rig.dialogs.answer = fixture(file);
        rig.child<QPushButton>("CmdLdPic")->click();
        QVERIFY(rig.prompt.boxes.isEmpty());
        const int expected[12] = {0x80, 0x7f, 0xff, 0xff, 0, 0, 0, 0xff, 0x80, 0x55, 0xaa, 0};
        for (int r = 0; r < 12; ++r) {
            QCOMPARE(int(WindowTestAccess::bank(window).byte(6, r, 0)), expected[r]);
            QCOMPARE(int(WindowTestAccess::bank(window).byte(6, r, 1)), expected[r]);
            QCOMPARE(int(WindowTestAccess::bank(window).byte(6, r, 2)), 0);
        }
        QCOMPARE(int(WindowTestAccess::bank(window).width(6)), 2);
        QCOMPARE(int(WindowTestAccess::bank(window).usedTotal()), 2);
        const QImage meter = shownMeter(window);
        QCOMPARE(meter.pixel(1, 5), usagemeter::Colours[6]);
        QCOMPARE(meter.pixel(2, 5), qRgb(0, 0, 0));
    }

    void shouldLayTextOverALoadedPicture()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        rig.dialogs.answer = fixture("icon32.ico");
        rig.child<QPushButton>("CmdLdPic")->click();
        const auto picture = bytesOf(WindowTestAccess::bank(window), 0);
        paste(rig, 0, QStringLiteral("......"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        const auto combined = bytesOf(WindowTestAccess::bank(window), 0);

        MessageBank textOnly;
        DrawingSurface surface;
        composeText(textOnly, 0, surface, QStringLiteral("......"), KnownFont, QStringLiteral("10"), false,
                    QStringLiteral("0"));
        const auto text = bytesOf(textOnly, 0);
        for (int i = 0; i < MessageBank::MessageBytes; ++i)
            QCOMPARE(combined[i], quint8(picture[i] | text[i]));
        QVERIFY(text != combined && picture != combined);

        // A second paste keeps the picture and replaces only the text.
        paste(rig, 0, QString(), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        QCOMPARE(bytesOf(WindowTestAccess::bank(window), 0), picture);
    }

    void shouldLeaveTheMessageWhenAPictureCannotBeLoaded_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("corrupt") << fixture("corrupt.bmp");
        QTest::newRow("text") << fixture("notapicture.jpg");
        QTest::newRow("truncated") << fixture("truncated.bmp");
        QTest::newRow("too large") << fixture("huge-header.gif");
        QTest::newRow("progressive JPEG that would take 8 GB") << fixture("progressive-65500.jpg");
        QTest::newRow("missing") << fixture("gone.bmp");
    }

    void shouldLeaveTheMessageWhenAPictureCannotBeLoaded()
    {
        QFETCH(QString, file);
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        rig.dialogs.answer = fixture("white8x12.bmp");
        rig.child<QPushButton>("CmdLdPic")->click();
        paste(rig, 0, QStringLiteral("Keep"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        const MessageBank before = WindowTestAccess::bank(window);
        const QImage surface = shownSurface(window, 0);
        const QImage meter = shownMeter(window);
        rig.dialogs.answer = file;
        rig.child<QPushButton>("CmdLdPic")->click();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, QStringLiteral("Cannot open picture"));
        QCOMPARE(rig.prompt.boxes[0].title, QStringLiteral("Load Picture"));
        QVERIFY(rig.prompt.boxes[0].detail.contains(file));
        QCOMPARE(WindowTestAccess::bank(window), before);
        QCOMPARE(shownSurface(window, 0), surface);
        QCOMPARE(shownMeter(window), meter);
        // Up Paste Text still finds the earlier picture under the text.
        paste(rig, 0, QStringLiteral("Keep"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        QCOMPARE(WindowTestAccess::bank(window), before);
    }

    void shouldSaveAndReloadIntoAnotherMessage()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        rig.dialogs.answer = fixture("stripes24x12.gif");
        rig.child<QPushButton>("CmdLdPic")->click();
        paste(rig, 0, QStringLiteral("Saved!"), KnownFont, QStringLiteral("11"), QStringLiteral("-1"));
        const QString path = rig.dir.filePath(QStringLiteral("saved.bmp"));
        rig.dialogs.answer = path;
        rig.child<QPushButton>("CmdSvPic")->click();
        QVERIFY(rig.prompt.boxes.isEmpty());
        QVERIFY(QFile::exists(path));

        selectTab(rig, 4);
        rig.dialogs.answer = path;
        rig.child<QPushButton>("CmdLdPic")->click();
        QCOMPARE(bytesOf(WindowTestAccess::bank(window), 4), bytesOf(WindowTestAccess::bank(window), 0));
        QCOMPARE(WindowTestAccess::bank(window).width(4), WindowTestAccess::bank(window).width(0));
        QCOMPARE(shownSurface(window, 4), shownSurface(window, 0));
    }

    void shouldReportASaveThatFails()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        QFile blocker(rig.dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        rig.dialogs.answer = blocker.fileName() + QStringLiteral("/x.bmp");
        rig.child<QPushButton>("CmdSvPic")->click();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, QStringLiteral("Cannot save picture"));
        QCOMPARE(rig.prompt.boxes[0].title, QStringLiteral("Save Picture"));
        QVERIFY(!rig.prompt.boxes[0].detail.isEmpty());
        QCOMPARE(WindowTestAccess::bank(window), MessageBank());
    }

    void shouldSendTheBankByteForByte()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        paste(rig, 0, QStringLiteral("First message"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        selectTab(rig, 3);
        paste(rig, 3, QStringLiteral("Fourth"), QStringLiteral("DejaVu Sans Mono"), QStringLiteral("9"),
              QStringLiteral("1"));
        rig.child<QComboBox>("MovSpeed0")->setCurrentText(QStringLiteral("7"));
        rig.child<QComboBox>("ComMod0")->setCurrentText(QStringLiteral("Freeze show"));
        rig.child<QCheckBox>("ChkFls3")->setCheckState(Qt::Checked);
        rig.child<QComboBox>("ComMod3")->setCurrentText(QStringLiteral("From up to down"));
        rig.child<QComboBox>("MovSpeed5")->setCurrentText(QStringLiteral("2.5"));
        rig.child<QComboBox>("ComSele")->setCurrentText(QStringLiteral("COM2"));

        MessageSettingsList settings;
        for (MessageSettings &s : settings)
            s.direction = QStringLiteral("From right to left");
        settings[0] = {QStringLiteral("7"), false, QStringLiteral("Freeze show")};
        settings[3] = {QStringLiteral("4"), true, QStringLiteral("From up to down")};
        settings[5].speed = QStringLiteral("2.5");
        const QByteArray expected =
            buildBadgeStream(WindowTestAccess::bank(window), settings, sketchDirections()).bytes();

        rig.child<QPushButton>("CmdSend")->click();
        QVERIFY(WindowTestAccess::isSending(window));
        QTRY_VERIFY_WITH_TIMEOUT(!WindowTestAccess::isSending(window), lume::test::SafetyNetMs);
        QCOMPARE(rig.port.written(), expected);
        QCOMPARE(rig.port.portNumber(), 2);
        QCOMPARE(rig.port.settings(), QStringLiteral("1200,n,8,1"));
        QCOMPARE(rig.child<QProgressBar>("ProgressBar1")->value(), 0);
        QVERIFY(rig.prompt.boxes.isEmpty());
    }

    void shouldRefuseASendWithoutContent()
    {
        WindowRig rig;
        rig.start();
        rig.child<QPushButton>("CmdSend")->click();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, QStringLiteral("Not Images or Text! Don't Sending!"));
        QCOMPARE(rig.prompt.boxes[0].title, QStringLiteral("Notice"));
        // An empty paste captures width 0 and keeps the refusal.
        paste(rig, 0, QString(), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        rig.child<QPushButton>("CmdSend")->click();
        QCOMPARE(rig.prompt.boxes.size(), 2);
        QCOMPARE(rig.port.written(), QByteArray());
    }

    void shouldRefuseAPortNameThatIsNoPort()
    {
        WindowRig rig;
        rig.start();
        paste(rig, 0, QStringLiteral("A"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        rig.child<QComboBox>("ComSele")->setCurrentText(QStringLiteral("com1"));
        rig.child<QPushButton>("CmdSend")->click();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, QStringLiteral("Set Port Number Error!"));
        QCOMPARE(rig.prompt.boxes[0].title, QStringLiteral("Error"));
        QCOMPARE(rig.port.written(), QByteArray());
    }

    void shouldExplainAPortThatCannotBeOpened_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("readsClosed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("detail"); // parts of the detail text
        QTest::newRow("permission denied")
            << int(SerialFailure::Kind::PermissionDenied) << false << "Port in use or not port"
            << "Warning" << QStringList {"/dev/ttyUSB0: Permission denied", "dialout"};
        QTest::newRow("in use") << int(SerialFailure::Kind::InUse) << false << "Port in use or not port"
                                << "Warning"
                                << QStringList {"/dev/ttyUSB0: Device or resource busy", "Another"};
        QTest::newRow("gone") << int(SerialFailure::Kind::NoSuchPort) << false << "Port in use or not port"
                              << "Warning" << QStringList {"No such file or directory", "cable"};
        QTest::newRow("reads closed") << int(SerialFailure::Kind::None) << true << "Open port fail!"
                                      << "Error" << QStringList {};
    }

    void shouldExplainAPortThatCannotBeOpened()
    {
        QFETCH(int, kind);
        QFETCH(bool, readsClosed);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QStringList, detail);
        WindowRig rig;
        rig.start();
        paste(rig, 0, QStringLiteral("A"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        const QString reason = kind == int(SerialFailure::Kind::PermissionDenied) ? "Permission denied"
            : kind == int(SerialFailure::Kind::InUse)                             ? "Device or resource busy"
                                                      : "No such file or directory";
        if (kind != int(SerialFailure::Kind::None))
            rig.port.setOpenFailure({SerialFailure::Kind(kind), QStringLiteral("/dev/ttyUSB0"), reason});
        rig.port.setOpenReadsClosed(readsClosed);
        rig.child<QPushButton>("CmdSend")->click();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, text);
        QCOMPARE(rig.prompt.boxes[0].title, title);
        for (const QString &part : detail)
            QVERIFY2(rig.prompt.boxes[0].detail.contains(part), qPrintable(rig.prompt.boxes[0].detail));
        QVERIFY(!WindowTestAccess::isSending(*rig.window));
        QVERIFY(!rig.port.isOpen());
        QCOMPARE(rig.port.written(), QByteArray());
    }

    void shouldShowTheDeviceBehindThePortAsTheTooltip_data()
    {
        QTest::addColumn<QList<int>>("openable");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("first entry preselected") << QList<int> {1, 2} << QString() << "/dev/ttyFAKE1";
        QTest::newRow("only entry") << QList<int> {3} << QString() << "/dev/ttyFAKE3";
        QTest::newRow("last entry preselected") << QList<int> {1, 5} << QString() << "/dev/ttyFAKE5";
        QTest::newRow("another entry typed") << QList<int> {1, 5} << "COM1"
                                             << "/dev/ttyFAKE1";
        QTest::newRow("no entry typed") << QList<int> {1, 5} << "com1" << QString();
        QTest::newRow("no port at all") << QList<int> {40} << QString() << QString();
    }

    void shouldShowTheDeviceBehindThePortAsTheTooltip()
    {
        QFETCH(QList<int>, openable);
        QFETCH(QString, typed);
        QFETCH(QString, tooltip);
        WindowRig rig;
        rig.port.setOpenablePorts(QSet<int>(openable.begin(), openable.end()));
        rig.start();
        auto *ports = rig.child<QComboBox>("ComSele");
        if (!typed.isEmpty())
            ports->setCurrentText(typed);
        QCOMPARE(ports->toolTip(), tooltip);
    }

    void shouldTakeATypedTextAsTyped_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("a size that begins an entry") << "FntSize0"
                                                     << "1";
        QTest::newRow("a port in small letters") << "ComSele"
                                                 << "com1";
        QTest::newRow("a minus sign") << "TopAdj"
                                      << "-";
        QTest::newRow("a font name in small letters") << "FntName0"
                                                      << "dejavu sans m";
        QTest::newRow("the start of a direction") << "ComMod0"
                                                  << "From";
    }

    void shouldTakeATypedTextAsTyped()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *combo = rig.child<QComboBox>(box);
        combo->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(combo->hasFocus(), lume::test::SafetyNetMs);
        combo->lineEdit()->selectAll();
        QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
        QTest::keyClicks(combo->lineEdit(), typed);
        rig.child<QPlainTextEdit>("TxtBox0")->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(!combo->hasFocus(), lume::test::SafetyNetMs);
        QCOMPARE(combo->currentText(), typed);
        QCOMPARE(WindowTestAccess::currentSettings(window).messages[0].fontSize,
                 box == "FntSize0" ? typed : QStringLiteral("10"));
    }

    void shouldRefuseToChangeTheBankWhileSending_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Send") << "CmdSend";
        QTest::newRow("Up Paste Text") << "CmdUpText";
        QTest::newRow("Load Picture") << "CmdLdPic";
    }

    void shouldRefuseToChangeTheBankWhileSending()
    {
        QFETCH(QString, button);
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        paste(rig, 0, QStringLiteral("Sending"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        rig.port.setNeverDrains(true);
        rig.child<QPushButton>("CmdSend")->click();
        QVERIFY(WindowTestAccess::isSending(window));
        const MessageBank before = WindowTestAccess::bank(window);
        const QImage meter = shownMeter(window);
        const QImage surface = shownSurface(window, 0);
        const qsizetype writes = rig.port.writes().size();
        rig.dialogs.answer = fixture("white8x12.bmp");
        rig.child<QPlainTextEdit>("TxtBox0")->setPlainText(QStringLiteral("Other"));

        rig.child<QPushButton>(button)->click();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, QStringLiteral("Sending!"));
        QCOMPARE(rig.prompt.boxes[0].title, QStringLiteral("Waits"));
        QVERIFY(rig.dialogs.requests.isEmpty());
        QCOMPARE(WindowTestAccess::bank(window), before);
        QCOMPARE(shownMeter(window), meter);
        QCOMPARE(shownSurface(window, 0), surface);
        QCOMPARE(rig.port.writes().size(), writes);
        QVERIFY(WindowTestAccess::isSending(window));
    }

    void shouldRefuseAPictureChosenAfterASendStarted()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        paste(rig, 0, QStringLiteral("Sending"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        rig.dialogs.keepOpen = true;
        rig.child<QPushButton>("CmdLdPic")->click();
        rig.port.setNeverDrains(true);
        rig.child<QPushButton>("CmdSend")->click(); // the open dialog does not block the window
        QVERIFY(WindowTestAccess::isSending(window));
        const MessageBank before = WindowTestAccess::bank(window);
        const QImage surface = shownSurface(window, 0);
        rig.dialogs.answer = fixture("white8x12.bmp");
        rig.dialogs.answerNow();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, QStringLiteral("Sending!"));
        QCOMPARE(rig.prompt.boxes[0].title, QStringLiteral("Waits"));
        QCOMPARE(WindowTestAccess::bank(window), before);
        QCOMPARE(shownSurface(window, 0), surface);
        QVERIFY(WindowTestAccess::isSending(window));
    }

    void shouldAllowTabsAndSavingWhileSending()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        paste(rig, 0, QStringLiteral("Sending"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        rig.port.setNeverDrains(true);
        rig.child<QPushButton>("CmdSend")->click();
        selectTab(rig, 1);
        QCOMPARE(shownMessage(window), 1);
        selectTab(rig, 0);
        const QString path = rig.dir.filePath(QStringLiteral("during.bmp"));
        rig.dialogs.answer = path;
        rig.child<QPushButton>("CmdSvPic")->click();
        QVERIFY(QFile::exists(path));
        QVERIFY(rig.prompt.boxes.isEmpty());
        QVERIFY(WindowTestAccess::isSending(window));
    }

    void shouldAskBeforeClosingWhileSending_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("byExit");
        QTest::newRow("Yes by the close box") << true << false;
        QTest::newRow("No by the close box") << false << false;
        QTest::newRow("Yes by Exit") << true << true;
        QTest::newRow("No by Exit") << false << true;
    }

    void shouldAskBeforeClosingWhileSending()
    {
        QFETCH(bool, answer);
        QFETCH(bool, byExit);
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        paste(rig, 0, QStringLiteral("Sending"), KnownFont, QStringLiteral("10"), QStringLiteral("0"));
        rig.port.setNeverDrains(true);
        rig.child<QPushButton>("CmdSend")->click();
        QVERIFY(WindowTestAccess::isSending(window));
        rig.child<QPlainTextEdit>("TxtBox5")->setPlainText(QStringLiteral("Typed while\nsending"));
        rig.prompt.answer = answer;

        if (byExit)
            rig.child<QPushButton>("CmdExit")->click();
        else
            window.close();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, QStringLiteral("Sending! Are you exit?"));
        QCOMPARE(rig.prompt.boxes[0].title, QStringLiteral("Warning"));
        QCOMPARE(window.isVisible(), !answer);
        QCOMPARE(WindowTestAccess::isSending(window), !answer);
        QCOMPARE(rig.port.isOpen(), !answer);
        // The settings are written whatever the answer.
        const SketchSettings stored = readSketchSettings(ProfileFile(rig.settingsPath()));
        QCOMPARE(stored.messages[5].text, QStringLiteral("Typed while\nsending"));
        QCOMPARE(ProfileFile(rig.settingsPath()).readString("CommPortSet", "CommPort", "-", 10),
                 QStringLiteral("COM1"));
        if (!answer) {
            // The transfer goes on and can still be cancelled by a later close.
            rig.prompt.answer = true;
            window.close();
            QVERIFY(!window.isVisible());
            QVERIFY(!rig.port.isOpen());
        }
    }

    void shouldCloseWithoutAQuestionWhenIdle()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        rig.child<QComboBox>("TopAdj")->setCurrentText(QStringLiteral("3"));
        rig.child<QPushButton>("CmdExit")->click();
        QVERIFY(rig.prompt.boxes.isEmpty());
        QVERIFY(!window.isVisible());
        SketchSettings expected = WindowTestAccess::currentSettings(window);
        expected.commPort.clear();
        QCOMPARE(readSketchSettings(ProfileFile(rig.settingsPath())), expected);
        QCOMPARE(expected.topLocationAdjust, QStringLiteral("3"));
    }

    void shouldComeBackAsItWasClosed()
    {
        WindowRig first;
        first.start();
        first.child<QPlainTextEdit>("TxtBox7")->setPlainText(QStringLiteral("Last one\nwith two lines"));
        first.child<QComboBox>("FntName7")->setCurrentText(QStringLiteral("DejaVu Sans Mono"));
        first.child<QComboBox>("MovSpeed7")->setCurrentText(QStringLiteral("8"));
        first.child<QCheckBox>("ChkFls7")->setCheckState(Qt::Checked);
        first.child<QComboBox>("FntSize7")->setCurrentText(QStringLiteral("12"));
        first.child<QCheckBox>("ChkBold7")->setCheckState(Qt::Checked);
        const SketchSettings closed = WindowTestAccess::currentSettings(*first.window);
        first.window->close();

        WindowRig second;
        QVERIFY(QFile::copy(first.settingsPath(), second.settingsPath()));
        second.start();
        SketchSettings reopened = WindowTestAccess::currentSettings(*second.window);
        QCOMPARE(reopened, closed);
    }
};

QTEST_MAIN(TstFontPictureWindow)
#include "tst_fontpicturewindow.moc"
