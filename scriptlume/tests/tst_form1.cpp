#include "badgesender.h"
#include "badgestream.h"
#include "dotfontrasteriser.h"
#include "fakeserialcontrol.h"
#include "form1.h"
#include "language.h"
#include "portdiagnosis.h"
#include "profilefile.h"
#include "scriptsendprofile.h"
#include "scriptsettings.h"
#include "testsupport.h"
#include "testwaits.h"
#include "usagemeter.h"
#include "windowtestaccess.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRawFont>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace lume;
using lume::test::RecordingPrompt;

namespace {

constexpr int SingleByteFontBytes = 256 * 12;
constexpr int DoubleByteFontBytes = 126 * 191 * 24;

quint8 singleByteFontByte(int offset)
{
    return quint8(offset * 37 + 11);
}

quint8 doubleByteFontByte(int offset, int salt)
{
    return quint8(offset * 13 + 5 + salt);
}

void writeFontFile(const QString &path, int size, int salt)
{
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(salt < 0 ? singleByteFontByte(i) : doubleByteFontByte(i, salt));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(size));
}

// The meter as runs of colour in row 0, e.g. "#ff0000 0..9".
QStringList meterRuns(const QImage &meter)
{
    QStringList result;
    int start = 0;
    for (int x = 1; x <= meter.width(); ++x) {
        if (x == meter.width() || meter.pixel(x, 0) != meter.pixel(start, 0)) {
            result << QStringLiteral("%1 %2..%3")
                          .arg(QColor(meter.pixel(start, 0)).name())
                          .arg(start)
                          .arg(x - 1);
            start = x;
        }
    }
    return result;
}

// Types as a user does: letters as key clicks, other characters as input-method commits, the way
// Chinese, Japanese or Korean text arrives.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QCoreApplication::sendEvent(widget, &commit);
        }
    }
}

// Paints the kept meter image black, so that a test sees whether anything draws the meter again.
// The meter's bars and its white free part contain no black.
void smudge(const QImage &meter)
{
    const_cast<QImage &>(meter).fill(Qt::black);
}

bool isSmudged(const QImage &meter)
{
    for (int y = 0; y < meter.height(); ++y)
        for (int x = 0; x < meter.width(); ++x)
            if (meter.pixel(x, y) != qRgb(0, 0, 0))
                return false;
    return true;
}

bool isRedrawn(const QImage &meter)
{
    for (int y = 0; y < meter.height(); ++y)
        for (int x = 0; x < meter.width(); ++x)
            if (meter.pixel(x, y) == qRgb(0, 0, 0))
                return false;
    return true;
}

const QStringList AllDoubleByteFonts {QStringLiteral("HZK12"), QStringLiteral("TWK12"),
                                      QStringLiteral("JPK12"), QStringLiteral("KRK12")};

struct Rig
{
    Rig()
    {
        fontDirs << dir.filePath(QStringLiteral("fonts"));
        QDir().mkpath(fontDirs.first());
    }

    QTemporaryDir dir;
    FakeSerialControl serial;
    RecordingPrompt prompt;
    QString settingsPath = dir.filePath(QStringLiteral("Scriptlume.ini"));
    QStringList fontDirs;
    std::unique_ptr<Form1> window;

    void writeFonts(const QStringList &doubleByteFiles = {QStringLiteral("HZK12")})
    {
        writeFontFile(QDir(fontDirs.first()).filePath(QStringLiteral("ASC12")), SingleByteFontBytes, -1);
        int salt = 0;
        for (const QString &name : doubleByteFiles)
            writeFontFile(QDir(fontDirs.first()).filePath(name), DoubleByteFontBytes, salt += 40);
    }
    void writeSettings(const ScriptSettings &settings)
    {
        ProfileFile file(settingsPath);
        QVERIFY(writeScriptSettings(file, settings));
    }
    Form1 &start()
    {
        window = std::make_unique<Form1>(Form1Dependencies {
            .port = serial,
            .prompt = prompt,
            .settingsPath = settingsPath,
            .fontSearchDirs = fontDirs,
            .portDevice = [](int n) { return QStringLiteral("/dev/fake%1").arg(n); },
            // As in the program: a port failure is explained from the system's side.
            .explainFailure = PortDiagnostics::systemExplainer(),
        });
        probeCalls = serial.calls().size();
        return *window;
    }
    Form1 &startShown()
    {
        start();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("window not exposed");
        if (!QTest::qWaitFor([this] { return !timer1()->isActive(); }))
            qWarning("Timer1 never ticked");
        return *window;
    }

    template<typename T> T *child(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qWarning("no %s", qPrintable(name));
        return found;
    }
    QLineEdit *text(int m) const { return child<QLineEdit>(QStringLiteral("TxtMsg%1").arg(m)); }
    QCheckBox *select(int m) const { return child<QCheckBox>(QStringLiteral("ChkSel%1").arg(m)); }
    QCheckBox *flash(int m) const { return child<QCheckBox>(QStringLiteral("ChkFls%1").arg(m)); }
    QComboBox *speed(int m) const { return child<QComboBox>(QStringLiteral("ComSpd%1").arg(m)); }
    QComboBox *direction(int m) const { return child<QComboBox>(QStringLiteral("ComMod%1").arg(m)); }
    QComboBox *language() const { return child<QComboBox>(QStringLiteral("ComLanguage")); }
    QComboBox *port() const { return child<QComboBox>(QStringLiteral("ComSele")); }
    QTimer *timer1() const { return child<QTimer>(QStringLiteral("Timer1")); }
    QPushButton *send() const { return child<QPushButton>(QStringLiteral("CmdSend")); }
    const QImage &meter() const { return child<UsageMeter>(QStringLiteral("Picture2"))->image(); }

    void setTexts(const QStringList &texts)
    {
        for (int m = 0; m < MessageBank::MessageCount; ++m)
            text(m)->setText(m < texts.size() ? texts[m] : QString());
    }
    QList<qint16> widths() const
    {
        const auto &w = WindowTestAccess::bank(*window).widths();
        return QList<qint16>(w.begin(), w.end());
    }
    // After the start-up probe.
    bool portWasOpened() const
    {
        for (qsizetype i = probeCalls; i < serial.calls().size(); ++i)
            if (serial.calls()[i].operation == FakeSerialControl::Operation::Open)
                return true;
        return false;
    }
    qsizetype probeCalls = 0;
};

} // namespace

class TstForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void shouldPlaceEveryControl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        struct Placed
        {
            const char *name, *container;
            QRect geometry;
            const char *caption;
        };
        QList<Placed> placed {
            {"Label1", "Form1", {8, 0, 761, 31}, "  Scriptlume  "},
            {"Frame9", "Form1", {8, 32, 761, 299}, ""},
            {"Label2", "Frame9", {8, 16, 49, 17}, "Select"},
            {"Label3", "Frame9", {208, 16, 89, 17}, "Show Text"},
            {"Label4", "Frame9", {504, 16, 81, 17}, "Move Speed"},
            {"Label7", "Frame9", {592, 16, 113, 17}, "Move Direction"},
            {"Label6", "Frame9", {712, 16, 41, 17}, "Flash"},
            {"Line1", "Form1", {9, 379, 760, 1}, ""},
            {"Line2", "Form1", {10, 379, 760, 1}, ""},
            {"Label5", "Form1", {16, 344, 81, 17}, "Language :"},
            {"ComLanguage", "Form1", {96, 344, 156, 24}, ""},
            {"Label10", "Form1", {264, 344, 33, 17}, "Port:"},
            {"ComSele", "Form1", {304, 344, 65, 24}, ""},
            {"ProgressBar1", "Form1", {384, 344, 169, 21}, ""},
            {"CmdSend", "Form1", {568, 342, 89, 25}, "Send"},
            {"CmdExit", "Form1", {672, 342, 89, 25}, "Exit"},
            {"Label8", "Form1", {56, 386, 65, 17}, "Used -->"},
            {"Picture2", "Form1", {128, 388, 516, 15}, ""},
            {"Label9", "Form1", {664, 386, 65, 17}, "<-- Free"},
        };
        for (const Placed &p : placed)
            QTest::newRow(p.name) << p.name << p.container << p.geometry << p.caption;
        for (int k : {0, 3, 7}) {
            const int y = 40 + 32 * k;
            const QRect rows[] {
                {24, y, 17, 17}, {56, y, 433, 22}, {520, y, 57, 24}, {608, y, 81, 24}, {720, y, 17, 17}};
            int i = 0;
            for (const char *name : {"ChkSel", "TxtMsg", "ComSpd", "ComMod", "ChkFls"}) {
                const QString objectName = QString::fromLatin1(name) + QString::number(k);
                QTest::newRow(qPrintable(objectName)) << objectName << "Frame9" << rows[i++] << "";
            }
        }
    }

    void shouldPlaceEveryControl()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        Rig rig;
        rig.start();
        auto *widget = rig.child<QWidget>(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), geometry);
        if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(label->text(), caption);
        if (auto *button = qobject_cast<QPushButton *>(widget))
            QCOMPARE(button->text(), caption);
    }

    void shouldBeTheDesignedWindow()
    {
        Rig rig;
        Form1 &window = rig.startShown();
        QCOMPARE(window.windowTitle(), QStringLiteral("Scriptlume Ver 2.20"));
        QCOMPARE(window.size(), QSize(777, 415));
        QCOMPARE(rig.meter().size(), QSize(512, 12));
        const QList<QColor> colours {{255, 0, 0},   {207, 96, 0}, {192, 192, 0}, {0, 207, 0},
                                     {0, 207, 207}, {0, 0, 255},  {207, 0, 207}, {128, 0, 0}};
        QStringList directions;
        for (int m = 0; m < 8; ++m) {
            QCOMPARE(rig.text(m)->palette().color(QPalette::Text), colours[m]);
            QCOMPARE(rig.text(m)->maxLength(), 512);
            QCOMPARE(rig.speed(m)->count(), 8);
            QVERIFY(rig.speed(m)->isEditable());
            QVERIFY(rig.direction(m)->isEditable());
        }
        for (int i = 0; i < rig.direction(0)->count(); ++i)
            directions << rig.direction(0)->itemText(i);
        QCOMPARE(directions, (QStringList {"to Left", "to Right", "to Up", "to Down", "Freeze"}));
        QStringList languages;
        for (int i = 0; i < rig.language()->count(); ++i)
            languages << rig.language()->itemText(i);
        QCOMPARE(languages,
                 (QStringList {"Chinese (Simplified)", "Chinese (Traditional)", "Japanese", "Korean"}));
        auto *title = rig.child<QLabel>(QStringLiteral("Label1"));
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(title->font().underline());
    }

    void shouldStartWithTheDefaultsWithoutASettingsFile()
    {
        Rig rig;
        rig.start();
        QVERIFY(!QFile::exists(rig.settingsPath));
        QVERIFY(rig.timer1()->isActive()); // armed, ticks once the window shows
        QVERIFY(rig.timer1()->isSingleShot());
        QCOMPARE(rig.timer1()->interval(), 1);
        for (int m = 0; m < 8; ++m) {
            QCOMPARE(rig.text(m)->text(), QStringLiteral("MESSAGE%1").arg(m + 1));
            QCOMPARE(rig.select(m)->checkState(), Qt::Checked);
            QCOMPARE(rig.speed(m)->currentText(), QStringLiteral("4"));
            QCOMPARE(rig.direction(m)->currentText(), QStringLiteral("to Left"));
            QCOMPARE(rig.flash(m)->checkState(), Qt::Unchecked);
            QCOMPARE(rig.text(m)->property("requestedFaceName").toString(), QStringLiteral("SimSun"));
            QCOMPARE(rig.text(m)->property("requestedCharset").toInt(), 134);
        }
        QCOMPARE(rig.language()->currentText(), QStringLiteral("Chinese (Simplified)"));
        QCOMPARE(rig.widths(), QList<qint16>(8, 8)); // eight letters each
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.timer1()->isActive(), lume::test::SafetyNetMs);
        QStringList expected;
        for (int m = 0; m < 8; ++m)
            expected << QStringLiteral("%1 %2..%3").arg(messageColour(m).name()).arg(8 * m).arg(8 * m + 7);
        expected << QStringLiteral("#ffffff 64..511");
        QCOMPARE(meterRuns(rig.meter()), expected);
    }

    void shouldEstimateTheWidthOnEveryChange_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        const QString simplified = QStringLiteral("Chinese (Simplified)");
        QTest::newRow("empty") << simplified << "" << 0;
        QTest::newRow("one letter") << simplified << "A" << 1;
        QTest::newRow("one double-byte") << simplified << "中" << 2;
        QTest::newRow("three double-byte") << simplified << "中文字" << 5;
        QTest::newRow("two letters and one double-byte") << simplified << "ab中" << 4;
        QTest::newRow("Hangul in GBK is ?") << simplified << "한국" << 2;
        QTest::newRow("Hangul in Korean") << "Korean"
                                          << "한국" << 4;
        QTest::newRow("kana in Shift_JIS") << "Japanese"
                                           << "カナa" << 5;
        QTest::newRow("traditional in Big5") << "Chinese (Traditional)"
                                             << "臺灣" << 4;
        QTest::newRow("unknown language: GBK") << "korean"
                                               << "中한" << 3;
    }

    void shouldEstimateTheWidthOnEveryChange()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(int, width);
        Rig rig;
        rig.start();
        rig.language()->setEditText(language);
        rig.text(2)->clear();
        typeText(rig.text(2), text);
        QCOMPARE(rig.text(2)->text(), text);
        QCOMPARE(WindowTestAccess::bank(*rig.window).width(2), qint16(width));
        QCOMPARE(WindowTestAccess::bank(*rig.window).width(2),
                 estimateWidth(text, languageFor(language).codePage));
        // The meter follows at once: message 2's bar lies after messages 0 and 1 (8 each).
        const QStringList runs = meterRuns(rig.meter());
        if (width > 0)
            QCOMPARE(runs[2], QStringLiteral("#c0c000 16..%1").arg(15 + width));
        else
            QCOMPARE(runs[2], QStringLiteral("#00cf00 16..23"));
    }

    void shouldTakeAtMost512Characters_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("after");
        QTest::newRow("typed") << ""
                               << "type" << QString(520, u'x') << QString(512, u'x');
        QTest::newRow("pasted") << "abc"
                                << "paste" << QString(600, u'y') << "abc" + QString(509, u'y');
        QTest::newRow("committed by an input method")
            << QString(510, u'a') << "commit" << QStringLiteral("中文字") << QString(510, u'a') + "中文";
    }

    void shouldTakeAtMost512Characters()
    {
        QFETCH(QString, before);
        QFETCH(QString, how);
        QFETCH(QString, input);
        QFETCH(QString, after);
        Rig rig;
        rig.start();
        QLineEdit *box = rig.text(0);
        box->setText(before);
        box->end(false);
        if (how == u"type") {
            QTest::keyClicks(box, input);
        } else if (how == u"paste") {
            QGuiApplication::clipboard()->setText(input);
            box->paste();
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(input);
            QCoreApplication::sendEvent(box, &commit);
        }
        QCOMPARE(box->text(), after);
        QCOMPARE(WindowTestAccess::bank(*rig.window).width(0), estimateWidth(after, CodePage::Gbk));
    }

    void shouldKeepALongerStoredTextWhole()
    {
        // 700 letters are 700 bytes, within the 767 a stored text may have; the limit of 512 is for
        // what the user types or pastes.
        Rig rig;
        ScriptSettings stored = ScriptSettings::defaults();
        stored.messages[0].text = QString(700, u'x');
        rig.writeSettings(stored);
        rig.start();
        QLineEdit *box = rig.text(0);
        QCOMPARE(box->text(), stored.messages[0].text);
        QCOMPARE(WindowTestAccess::bank(*rig.window).width(0), qint16(700));
        box->end(false);
        QTest::keyClick(box, 'y');
        QCOMPARE(box->text().size(), 700);
        // It only shrinks: what is deleted cannot be typed again while the text is over 512.
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QTRY_COMPARE_WITH_TIMEOUT(box->maxLength(), 699, lume::test::SafetyNetMs);
        QCOMPARE(box->cursorPosition(), 0);
        QTest::keyClick(box, 'y');
        QCOMPARE(box->text(), QString(699, u'x'));
        box->selectAll();
        QTest::keyClick(box, 'a');
        QTRY_COMPARE_WITH_TIMEOUT(box->maxLength(), 512, lume::test::SafetyNetMs);
        QTest::keyClicks(box, QString(600, u'b'));
        QCOMPARE(box->text(), QStringLiteral("a") + QString(511, u'b'));
        QVERIFY(rig.window->close());
        QCOMPARE(readScriptSettings(ProfileFile(rig.settingsPath)).messages[0].text, box->text());
    }

    void shouldRedrawTheMeterWhenASelectBoxIsClicked()
    {
        Rig rig;
        rig.startShown();
        rig.setTexts({QString(10, u'x'), QString(5, u'y'), QString(20, u'z')});
        QCOMPARE(meterRuns(rig.meter()),
                 (QStringList {"#ff0000 0..9", "#cf6000 10..14", "#c0c000 15..34", "#ffffff 35..511"}));
        QTest::mouseClick(rig.select(1), Qt::LeftButton);
        QCOMPARE(rig.select(1)->checkState(), Qt::Unchecked);
        QCOMPARE(meterRuns(rig.meter()), (QStringList {"#ff0000 0..9", "#c0c000 10..29", "#ffffff 30..511"}));
        QCOMPARE(WindowTestAccess::bank(*rig.window).width(1),
                 qint16(5)); // selecting never recomputes a width
        QTest::mouseClick(rig.select(1), Qt::LeftButton);
        QCOMPARE(meterRuns(rig.meter()),
                 (QStringList {"#ff0000 0..9", "#cf6000 10..14", "#c0c000 15..34", "#ffffff 35..511"}));
    }

    void shouldRedrawTheMeterOnlyOnEditsClicksNewCodePagesAndTheStartUpTick()
    {
        Rig rig;
        rig.writeFonts({QStringLiteral("HZK12"), QStringLiteral("KRK12")});
        rig.start();
        smudge(rig.meter());
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.timer1()->isActive(), lume::test::SafetyNetMs);
        QVERIFY(isRedrawn(rig.meter())); // the start-up tick
        smudge(rig.meter());
        QTest::qWait(20);
        QVERIFY(isSmudged(rig.meter())); // it ticks once only

        // A language of the same code page, the movement settings, the port and a whole Send draw
        // nothing.
        rig.language()->setEditText(QStringLiteral("korean"));
        rig.text(1)->setFocus();
        rig.language()->setFocus();
        rig.speed(0)->setEditText(QStringLiteral("7"));
        rig.direction(0)->setCurrentIndex(2);
        rig.flash(0)->click();
        rig.port()->setEditText(QStringLiteral("COM1"));
        QSignalSpy finished(rig.window->findChild<BadgeSender *>(), &BadgeSender::transferFinished);
        rig.send()->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, lume::test::SafetyNetMs);
        QVERIFY(rig.prompt.boxes.isEmpty());
        QVERIFY(isSmudged(rig.meter()));

        rig.text(5)->setText(QStringLiteral("한"));
        QVERIFY(isRedrawn(rig.meter()));
        smudge(rig.meter());
        rig.language()->setEditText(QStringLiteral("Korean")); // another code page: new widths
        QVERIFY(isRedrawn(rig.meter()));
        smudge(rig.meter());
        rig.select(6)->click();
        QVERIFY(isRedrawn(rig.meter()));
    }

    void shouldShowTheMeterStripInPicture2()
    {
        Rig rig;
        rig.startShown();
        rig.setTexts({QString(10, u'x'), QString(), QStringLiteral("中文")});
        auto *picture2 = rig.child<UsageMeter>(QStringLiteral("Picture2"));
        const QImage shown = picture2->grab().toImage();
        QCOMPARE(shown.size(), QSize(516, 15));
        // The strip lies inside the box's one-pixel border.
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 512; ++x)
                QCOMPARE(shown.pixel(2 + x, 1 + y), rig.meter().pixel(x, y));
        QCOMPARE(QColor(shown.pixel(2, 1)), QColor(255, 0, 0));
        QCOMPARE(QColor(shown.pixel(2 + 10, 12)), QColor(192, 192, 0));
        QCOMPARE(QColor(shown.pixel(2 + 14, 1)), QColor(Qt::white));
    }

    void shouldFillTheMeterUpTo510()
    {
        Rig rig;
        rig.start();
        rig.setTexts({QString(300, u'a'), QString(300, u'b'), QStringLiteral("c")});
        QCOMPARE(meterRuns(rig.meter()),
                 (QStringList {"#ff0000 0..299", "#cf6000 300..510", "#ffffff 511..511"}));
    }

    void shouldApplyTheLanguageAsTyped_data()
    {
        QTest::addColumn<QStringList>("texts"); // ComLanguage's texts, one after the other
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("charset");
        QTest::addColumn<int>("script"); // QFontDatabase::WritingSystem the shown family must cover
        QTest::newRow("Japanese") << QStringList {"Japanese"} << "MS Gothic" << 128
                                  << int(QFontDatabase::Japanese);
        QTest::newRow("Korean") << QStringList {"Korean"} << "GulimChe" << 129 << int(QFontDatabase::Korean);
        QTest::newRow("Traditional") << QStringList {"Chinese (Traditional)"} << "MingLiU" << 136
                                     << int(QFontDatabase::TraditionalChinese);
        QTest::newRow("Simplified after Japanese")
            << QStringList {"Japanese", "Chinese (Simplified)"} << "SimSun" << 134
            << int(QFontDatabase::SimplifiedChinese);
        QTest::newRow("lower case keeps the charset")
            << QStringList {"japanese"} << "System" << 134 << int(QFontDatabase::SimplifiedChinese);
        QTest::newRow("Korean then no entry")
            << QStringList {"Korean", "Kor"} << "System" << 129 << int(QFontDatabase::Korean);
        QTest::newRow("trailing blank, typed through Korean")
            << QStringList {"Japanese", "Korean "} << "System" << 129 << int(QFontDatabase::Korean);
        QTest::newRow("empty") << QStringList {"Korean", ""} << "System" << 129 << int(QFontDatabase::Korean);
    }

    void shouldApplyTheLanguageAsTyped()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, face);
        QFETCH(int, charset);
        QFETCH(int, script);
        Rig rig;
        rig.start();
        for (const QString &text : texts) {
            rig.language()->lineEdit()->selectAll();
            if (text.isEmpty())
                QTest::keyClick(rig.language()->lineEdit(), Qt::Key_Backspace);
            else
                QTest::keyClicks(rig.language()->lineEdit(), text);
            QCOMPARE(rig.language()->currentText(), text);
        }
        const QStringList installed = QFontDatabase::families(QFontDatabase::WritingSystem(script));
        for (int m = 0; m < 8; ++m) {
            QCOMPARE(rig.text(m)->property("requestedFaceName").toString(), face);
            QCOMPARE(rig.text(m)->property("requestedCharset").toInt(), charset);
            // What the box shows can show the language, where such a font is installed at all.
            if (!installed.isEmpty())
                QVERIFY2(installed.contains(rig.text(m)->font().families().value(0)),
                         qPrintable(rig.text(m)->font().families().join(u',')));
        }
    }

    void shouldShowTypedTextInAFontWithItsGlyphs_data()
    {
        QTest::addColumn<QStringList>("texts"); // ComLanguage's texts, one after the other
        QTest::addColumn<QString>("typed");
        QTest::newRow("Chinese (Simplified)") << QStringList {"Chinese (Simplified)"} << "啊";
        QTest::newRow("Chinese (Traditional)") << QStringList {"Chinese (Traditional)"} << "臺灣";
        QTest::newRow("Japanese") << QStringList {"Japanese"} << "あア日";
        QTest::newRow("Korean") << QStringList {"Korean"} << "한글";
        QTest::newRow("no entry after Korean") << QStringList {"Korean", "Kor"} << "한글";
    }

    void shouldShowTypedTextInAFontWithItsGlyphs()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, typed);
        // The first font that Qt draws with, without fontconfig's fallback.
        const auto covers = [&typed](const QFont &font) {
            const QRawFont raw = QRawFont::fromFont(font);
            for (const QChar c : typed)
                if (!raw.supportsCharacter(c))
                    return false;
            return true;
        };
        bool installed = false;
        for (const QString &family : QFontDatabase::families())
            installed = installed || covers(QFont(family));
        if (!installed)
            QSKIP("no installed font has these characters");
        Rig rig;
        rig.start();
        for (const QString &text : texts)
            rig.language()->setEditText(text);
        for (int m = 0; m < 8; ++m) {
            rig.text(m)->setText(typed);
            QVERIFY2(covers(rig.text(m)->font()), qPrintable(rig.text(m)->font().family()));
        }
    }

    void shouldReEstimateEveryWidthWhenTheLanguageChanges_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("how"); // typed, chosen, chosen quietly (not taken as an edit), restored
        QTest::addColumn<int>("hangulWidth"); // of "한국어" under the new language
        const QString simplified = QStringLiteral("Chinese (Simplified)");
        QTest::newRow("Korean to Simplified, typed") << "Korean" << simplified << "typed" << 3;
        QTest::newRow("Korean to Simplified, chosen") << "Korean" << simplified << "chosen" << 3;
        QTest::newRow("Simplified to Korean, chosen quietly") << simplified << "Korean"
                                                              << "chosen quietly" << 5;
        QTest::newRow("Japanese to Traditional, chosen") << "Japanese"
                                                         << "Chinese (Traditional)"
                                                         << "chosen" << 3;
        QTest::newRow("Korean to no entry, typed") << "Korean"
                                                   << "korean"
                                                   << "typed" << 3;
        QTest::newRow("Korean, restored") << simplified << "Korean"
                                          << "restored" << 5;
        QTest::newRow("Japanese, restored") << "Korean"
                                            << "Japanese"
                                            << "restored" << 3;
    }

    void shouldReEstimateEveryWidthWhenTheLanguageChanges()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, how);
        QFETCH(int, hangulWidth);
        // Characters that some of the four code pages lack (each then a one-byte "?").
        const QStringList texts {"한국어", "中文", "カナ", "臺灣 x", "简体", "€ ｶ", "", "①Ⅲ"};
        Rig rig;
        rig.writeFonts(AllDoubleByteFonts);
        if (how == u"restored") {
            ScriptSettings stored = ScriptSettings::defaults();
            for (int m = 0; m < MessageBank::MessageCount; ++m)
                stored.messages[m].text = texts[m];
            stored.language = to;
            rig.writeSettings(stored);
            rig.start();
        } else {
            rig.start();
            rig.language()->setEditText(from);
            rig.setTexts(texts);
            smudge(rig.meter());
            if (how == u"typed") {
                rig.language()->lineEdit()->selectAll();
                QTest::keyClicks(rig.language()->lineEdit(), to);
            } else if (how == u"chosen") {
                rig.language()->setCurrentIndex(languageEntries().indexOf(to));
            } else {
                const QSignalBlocker blocker(rig.language());
                rig.language()->setCurrentIndex(languageEntries().indexOf(to));
            }
            QVERIFY(isRedrawn(rig.meter()));
        }
        QCOMPARE(rig.language()->currentText(), to);

        const CodePage codePage = languageFor(to).codePage;
        std::array<bool, MessageBank::MessageCount> selected {};
        for (int m = 0; m < MessageBank::MessageCount; ++m) {
            QCOMPARE(rig.text(m)->text(), texts[m]); // the texts stay as they were
            QCOMPARE(WindowTestAccess::bank(*rig.window).width(m), estimateWidth(texts[m], codePage));
            selected[m] = rig.select(m)->isChecked();
        }
        QCOMPARE(WindowTestAccess::bank(*rig.window).width(0), qint16(hangulWidth));
        QImage expected(UsageMeter::Columns, UsageMeter::Rows, QImage::Format_RGB32);
        drawUsageMeter(expected, WindowTestAccess::bank(*rig.window).widths(), selected);
        QCOMPARE(rig.meter(), expected);
        // The bank is filled only by a Send.
        QVERIFY(std::all_of(WindowTestAccess::bank(*rig.window).data().begin(),
                            WindowTestAccess::bank(*rig.window).data().end(),
                            [](quint8 byte) { return byte == 0; }));

        // What the meter showed is what the rasteriser sets.
        const QList<qint16> estimated = rig.widths();
        rig.port()->setEditText(QStringLiteral("COM1"));
        QSignalSpy finished(rig.window->findChild<BadgeSender *>(), &BadgeSender::transferFinished);
        rig.send()->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, lume::test::SafetyNetMs);
        QVERIFY(rig.prompt.boxes.isEmpty());
        QCOMPARE(rig.widths(), estimated);
    }

    void shouldKeepTheWidthsWhenTheCodePageStays()
    {
        Rig rig;
        rig.start();
        rig.setTexts({QStringLiteral("한국"), QStringLiteral("中文"), QStringLiteral("abc")});
        const QList<qint16> before = rig.widths();
        QCOMPARE(before.mid(0, 3), (QList<qint16> {2, 4, 3})); // GBK has no Hangul: two "?"
        smudge(rig.meter());
        // Every text that matches no entry reads GBK, as "Chinese (Simplified)" does.
        for (const char *language : {"Kor", "korean", "Chinese (Simplified)"}) {
            rig.language()->setEditText(QString::fromLatin1(language));
            QCOMPARE(rig.widths(), before);
            QVERIFY(isSmudged(rig.meter()));
        }
        // The next edit estimates in the chosen language's code page.
        rig.language()->setEditText(QStringLiteral("Korean"));
        rig.text(0)->setText(QStringLiteral("한국!"));
        QCOMPARE(WindowTestAccess::bank(*rig.window).width(0), qint16(5));
    }

    void shouldApplyTheLanguageWhenTheBoxLosesTheFocus()
    {
        Rig rig;
        Form1 &window = rig.startShown();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        rig.language()->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(rig.language()->hasFocus(), lume::test::SafetyNetMs);
        {
            // A choice from the list that did not count as an edit.
            const QSignalBlocker blocker(rig.language());
            rig.language()->setCurrentIndex(3);
        }
        QCOMPARE(rig.text(0)->property("requestedFaceName").toString(), QStringLiteral("SimSun"));
        rig.text(4)->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(rig.text(4)->hasFocus(), lume::test::SafetyNetMs);
        QCOMPARE(rig.text(0)->property("requestedFaceName").toString(), QStringLiteral("GulimChe"));
        QCOMPARE(rig.text(7)->property("requestedCharset").toInt(), 129);
    }

    void shouldRestoreAndStoreTheSettings()
    {
        Rig rig;
        ScriptSettings stored = ScriptSettings::defaults();
        stored.messages[0] = {QStringLiteral("안녕하세요 BADGE"), CheckValue::Checked, QStringLiteral("8"),
                              QStringLiteral("Freeze"), CheckValue::Checked};
        stored.messages[1] = {QStringLiteral("unselected"), CheckValue::Unchecked, QStringLiteral("1"),
                              QStringLiteral("to Up"), CheckValue::Unchecked};
        stored.messages[2] = {QStringLiteral("greyed 한"), CheckValue::Greyed, QStringLiteral("9x"),
                              QStringLiteral("sideways"), CheckValue::Greyed};
        stored.messages[3].text = QString();
        stored.messages[5].text = QStringLiteral("简体中文 GBK");
        stored.messages[6].text = QStringLiteral("繁體中文 Big5");
        stored.language = QStringLiteral("Korean");
        rig.writeSettings(stored);
        rig.start();
        QCOMPARE(WindowTestAccess::settingsFromControls(*rig.window), stored);
        QCOMPARE(rig.text(0)->text(), stored.messages[0].text);
        QCOMPARE(rig.select(1)->checkState(), Qt::Unchecked);
        QCOMPARE(rig.select(2)->checkState(), Qt::PartiallyChecked);
        QCOMPARE(rig.flash(2)->checkState(), Qt::PartiallyChecked);
        QCOMPARE(rig.speed(2)->currentText(), QStringLiteral("9x"));
        QCOMPARE(rig.direction(2)->currentText(), QStringLiteral("sideways"));
        QCOMPARE(rig.text(5)->property("requestedFaceName").toString(), QStringLiteral("GulimChe"));
        // Estimated in the restored language's code page: five Hangul, a blank, five letters.
        QCOMPARE(WindowTestAccess::bank(*rig.window).width(0), qint16((5 * 13 + 6 * 8 + 7) / 8));
        QCOMPARE(WindowTestAccess::bank(*rig.window).width(2), qint16((7 * 8 + 13 + 7) / 8));
        QCOMPARE(WindowTestAccess::bank(*rig.window).width(3), qint16(0));
        // The meter leaves out the clear box and counts the greyed one.
        const int w0 = WindowTestAccess::bank(*rig.window).width(0);
        const int w2 = WindowTestAccess::bank(*rig.window).width(2);
        QCOMPARE(meterRuns(rig.meter()).mid(0, 3),
                 (QStringList {QStringLiteral("#ff0000 0..%1").arg(w0 - 1),
                               QStringLiteral("#c0c000 %1..%2").arg(w0).arg(w0 + w2 - 1),
                               QStringLiteral("#00cfcf %1..%2").arg(w0 + w2).arg(w0 + w2 + 8 - 1)}));

        rig.text(4)->setText(QStringLiteral("新しい 文字"));
        rig.flash(4)->click();
        rig.speed(4)->setEditText(QStringLiteral("2"));
        rig.language()->setEditText(QStringLiteral("Japanese"));
        QVERIFY(rig.window->close());
        ScriptSettings expected = stored;
        expected.messages[4] = {QStringLiteral("新しい 文字"), CheckValue::Checked, QStringLiteral("2"),
                                QStringLiteral("to Left"), CheckValue::Checked};
        expected.language = QStringLiteral("Japanese");
        QCOMPARE(readScriptSettings(ProfileFile(rig.settingsPath)), expected);
    }

    void shouldRestoreOddValuesSafely()
    {
        Rig rig;
        {
            ProfileFile file(rig.settingsPath);
            QVERIFY(file.writeString(QStringLiteral("Message1"), QStringLiteral("Message1Text"),
                                     QStringLiteral("a") + QString(400, QChar(0x4E2D))));
            QVERIFY(
                file.writeString(QStringLiteral("Message1"), QStringLiteral("Select"), QStringLiteral("5")));
            QVERIFY(
                file.writeString(QStringLiteral("Message1"), QStringLiteral("Flash"), QStringLiteral("7")));
            QVERIFY(file.writeString(QStringLiteral("Message2"), QStringLiteral("Direction"),
                                     QStringLiteral("to Right!!")));
        }
        rig.start();
        // 767 bytes of GBK, the code page of the language: the letter and 383 characters.
        QCOMPARE(rig.text(0)->text(), QStringLiteral("a") + QString(383, QChar(0x4E2D)));
        QCOMPARE(WindowTestAccess::bank(*rig.window).width(0), qint16((8 + 383 * 13 + 7) / 8));
        QCOMPARE(rig.direction(1)->currentText(), QStringLiteral("to Right!"));
        QCOMPARE(rig.select(0)->checkState(), Qt::Unchecked);
        QCOMPARE(rig.flash(0)->checkState(), Qt::Unchecked);
        QCOMPARE(meterRuns(rig.meter()).first(), QStringLiteral("#cf6000 0..7"));
    }

    void shouldCheckAGreyedBoxWhenClicked()
    {
        Rig rig;
        ScriptSettings stored = ScriptSettings::defaults();
        stored.messages[0].select = CheckValue::Greyed;
        rig.writeSettings(stored);
        rig.startShown();
        QCOMPARE(rig.select(0)->checkState(), Qt::PartiallyChecked);
        QTest::mouseClick(rig.select(0), Qt::LeftButton);
        QCOMPARE(rig.select(0)->checkState(), Qt::Checked);
        QTest::mouseClick(rig.select(0), Qt::LeftButton);
        QCOMPARE(rig.select(0)->checkState(), Qt::Unchecked);
        QTest::mouseClick(rig.select(0), Qt::LeftButton);
        QCOMPARE(rig.select(0)->checkState(), Qt::Checked);
    }

    void shouldPreselectAPortByCount_data()
    {
        QTest::addColumn<QList<int>>("openable");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("preselected");
        QTest::newRow("COM1 and COM3") << QList<int> {1, 3} << QStringList {"COM1", "COM3"} << "COM1";
        QTest::newRow("COM1, COM2, COM3")
            << QList<int> {1, 2, 3} << QStringList {"COM1", "COM2", "COM3"} << "COM3";
        QTest::newRow("COM9 alone") << QList<int> {9} << QStringList {"COM9"} << "COM9";
        QTest::newRow("COM16 and COM17") << QList<int> {16, 17} << QStringList {"COM16"} << "COM16";
        QTest::newRow("none") << QList<int> {99} << QStringList {} << "";
    }

    void shouldPreselectAPortByCount()
    {
        QFETCH(QList<int>, openable);
        QFETCH(QStringList, entries);
        QFETCH(QString, preselected);
        Rig rig;
        rig.serial.setOpenablePorts(QSet<int>(openable.begin(), openable.end()));
        rig.start();
        QStringList listed;
        for (int i = 0; i < rig.port()->count(); ++i) {
            listed << rig.port()->itemText(i);
            QCOMPARE(rig.port()->itemData(i, Qt::ToolTipRole).toString(),
                     QStringLiteral("/dev/fake") + listed.last().mid(3));
        }
        QCOMPARE(listed, entries);
        QCOMPARE(rig.port()->currentText(), preselected);
        QVERIFY(!rig.serial.isOpen());
        int probed = 0;
        for (const FakeSerialControl::Call &call : rig.serial.calls())
            probed += call.operation == FakeSerialControl::Operation::SetCommPort;
        QCOMPARE(probed, 16);
    }

    void shouldShowTheChosenPortsDeviceAsTooltip()
    {
        Rig rig;
        rig.serial.setOpenablePorts({1, 3, 5});
        rig.start();
        QCOMPARE(rig.port()->currentText(), QStringLiteral("COM5"));
        QCOMPARE(rig.port()->toolTip(), QStringLiteral("/dev/fake5"));
        rig.port()->setCurrentIndex(0);
        QCOMPARE(rig.port()->toolTip(), QStringLiteral("/dev/fake1"));

        Rig none;
        none.serial.setOpenablePorts({99});
        none.start();
        QCOMPARE(none.port()->toolTip(), QString());
    }

    void shouldSendWhatTheMeterShowed_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("Chinese (Simplified)")
            << "Chinese (Simplified)" << QStringList {"中文 and Latin", "简体字，标点。", "€5 ½ 한 カ", "A"};
        QTest::newRow("Chinese (Traditional)")
            << "Chinese (Traditional)" << QStringList {"繁體 text", "臺灣、香港", "简 한 ｶ €", "é"};
        QTest::newRow("Japanese") << "Japanese"
                                  << QStringList {"日本語 text", "ｶﾀｶﾅ and カタカナ", "한 简 ¥", "~"};
        QTest::newRow("Korean") << "Korean" << QStringList {"한국어 text", "갂똠 Hangul", "简 カ € ①", "\\"};
        QTest::newRow("no entry: GBK") << "korean" << QStringList {"한국어 text", "中文", "カナ", "x"};
    }

    void shouldSendWhatTheMeterShowed()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, texts);
        Rig rig;
        rig.writeFonts(AllDoubleByteFonts);
        rig.start();
        rig.language()->setEditText(language);
        for (int m = 0; m < MessageBank::MessageCount; ++m) {
            rig.text(m)->clear();
            typeText(rig.text(m), texts.value(m));
        }
        const QList<qint16> estimated = rig.widths();
        rig.port()->setEditText(QStringLiteral("COM1"));
        QSignalSpy finished(rig.window->findChild<BadgeSender *>(), &BadgeSender::transferFinished);
        rig.send()->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, lume::test::SafetyNetMs);
        QVERIFY(rig.prompt.boxes.isEmpty());
        QCOMPARE(rig.widths(), estimated); // rasterised, and too short to be clipped
        int sum = 0;
        for (qint16 width : estimated)
            sum += width;
        QCOMPARE(rig.serial.written().size(), 689 + 12 * sum);
    }

    void shouldSendTheSelectedMessages()
    {
        Rig rig;
        rig.writeFonts();
        rig.serial.setOpenablePorts({1, 3});
        Form1 &window = rig.startShown();
        rig.setTexts({QStringLiteral("A"), QStringLiteral("中文 text"), QStringLiteral("not sent"), QString(),
                      QStringLiteral("ÄB"), QString(), QString(), QStringLiteral("末")});
        rig.select(2)->click();
        rig.speed(1)->setEditText(QStringLiteral("8"));
        rig.flash(1)->click();
        rig.direction(1)->setEditText(QStringLiteral("to Down"));
        rig.direction(2)->setEditText(QStringLiteral("Freeze"));
        rig.port()->setEditText(QStringLiteral("COM3"));
        const QImage meterBefore = rig.meter();

        MessageBank expectedBank;
        const PrepareResult prepared =
            prepareBank(expectedBank, messageTexts(WindowTestAccess::settingsFromControls(window)),
                        selectedMessages(WindowTestAccess::settingsFromControls(window)),
                        QStringLiteral("Chinese (Simplified)"), rig.fontDirs);
        QVERIFY(prepared.ok);
        MessageSettingsList settings;
        settings[1] = {QStringLiteral("8"), true, QStringLiteral("to Down")};
        settings[2].direction = QStringLiteral("Freeze");
        for (int m : {0, 3, 4, 5, 6, 7})
            settings[m].direction = QStringLiteral("to Left");
        const BadgeStream expected = buildBadgeStream(expectedBank, settings, scriptDirections());

        QSignalSpy finished(window.findChild<BadgeSender *>(), &BadgeSender::transferFinished);
        rig.send()->click();
        QVERIFY(WindowTestAccess::isSending(window));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, lume::test::SafetyNetMs);
        QVERIFY(!rig.serial.isOpen());
        QVERIFY(rig.prompt.boxes.isEmpty());
        QCOMPARE(rig.serial.written(), expected.bytes());
        QCOMPARE(rig.serial.writes(), expected.writes());
        QCOMPARE(rig.serial.portNumber(), 3);
        QCOMPARE(rig.serial.settings(), QStringLiteral("1200,n,8,1"));

        // What the stream holds, seen without the rasteriser: message 0 is "A" from bytes 780..791 of
        // ASC12, message 2 is left out, message 1 has speed 8, flash and "to Down".
        const QByteArray header = expected.header;
        QCOMPARE(quint8(header[1]), quint8(0x30));
        QCOMPARE(quint8(header[2]), quint8(0x7B));
        QCOMPARE(quint8(header[3]), quint8(0x34));
        QCOMPARE(expected.clippedWidths[0], qint16(1));
        QCOMPARE(expected.clippedWidths[1], qint16((2 * 13 + 5 * 8 + 7) / 8));
        QCOMPARE(expected.clippedWidths[2], qint16(0));
        for (int r = 0; r < 12; ++r)
            QCOMPARE(quint8(expected.rows[r][0]), singleByteFontByte(780 + r));
        QCOMPARE(WindowTestAccess::bank(window).widths(), expected.clippedWidths);
        QCOMPARE(WindowTestAccess::bank(window), expectedBank);
        // A Send does not redraw the meter; the progress bar ends at 0 of 0..17.
        QCOMPARE(rig.meter(), meterBefore);
        auto *progress = rig.child<QProgressBar>(QStringLiteral("ProgressBar1"));
        QCOMPARE(progress->maximum(), 17);
        QCOMPARE(progress->value(), 0);
    }

    void shouldReadTheLanguagesDoubleByteFont_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("missing"); // empty: sent
        QTest::newRow("Korean reads KRK12") << "Korean"
                                            << "";
        QTest::newRow("korean reads HZK12") << "korean"
                                            << "HZK12";
        QTest::newRow("Japanese reads JPK12") << "Japanese"
                                              << "JPK12";
        QTest::newRow("Chinese (Traditional) reads TWK12") << "Chinese (Traditional)"
                                                           << "TWK12";
    }

    void shouldReadTheLanguagesDoubleByteFont()
    {
        QFETCH(QString, language);
        QFETCH(QString, missing);
        Rig rig;
        rig.writeFonts({QStringLiteral("KRK12")});
        rig.start();
        rig.setTexts({QStringLiteral("한글")});
        rig.language()->setEditText(language);
        rig.port()->setEditText(QStringLiteral("COM2"));
        const QList<qint16> widths = rig.widths();
        QSignalSpy finished(rig.window->findChild<BadgeSender *>(), &BadgeSender::transferFinished);
        rig.send()->click();
        if (missing.isEmpty()) {
            QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, lume::test::SafetyNetMs);
            QVERIFY(rig.prompt.boxes.isEmpty());
            QCOMPARE(rig.serial.written().size(), 689 + 12 * 4);
            return;
        }
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, QStringLiteral("Font file \"%1\" not found!").arg(missing));
        QCOMPARE(rig.prompt.boxes[0].title, QStringLiteral("Error"));
        QVERIFY(rig.prompt.boxes[0].detail.contains(QDir::toNativeSeparators(rig.fontDirs.first())));
        QVERIFY(!rig.portWasOpened());
        QVERIFY(rig.serial.writes().isEmpty());
        QVERIFY(!QFile::exists(QDir(rig.fontDirs.first()).filePath(missing))); // never created
        QVERIFY(!QFile::exists(missing));
        QCOMPARE(rig.widths(), widths);
        QVERIFY(!WindowTestAccess::isSending(*rig.window));
    }

    void shouldReportAMissingSingleByteFont()
    {
        Rig rig;
        rig.start();
        rig.send()->click();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, QStringLiteral("Font file \"ASC12\" not found!"));
        QVERIFY(!rig.portWasOpened());
    }

    void shouldRefuseWhatCannotBeSent_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        const auto row = [](const char *situation, const char *text, const char *title) {
            QTest::newRow(situation) << QString::fromLatin1(situation) << QString::fromLatin1(text)
                                     << QString::fromLatin1(title);
        };
        row("no box checked", "No Sending Text! Do Not Send!", "Note");
        row("checked texts empty", "No Sending Text! Do Not Send!", "Note");
        row("COM17", "Set Port Number Error!", "Error");
        row("blank port", "Set Port Number Error!", "Error");
        row("com1", "Set Port Number Error!", "Error");
        row("port in use", "Port in use or not port", "Warning");
        row("reads closed", "Open port fail!", "Error");
    }

    void shouldRefuseWhatCannotBeSent()
    {
        QFETCH(QString, situation);
        QFETCH(QString, text);
        QFETCH(QString, title);
        Rig rig;
        rig.writeFonts();
        rig.start();
        rig.port()->setEditText(QStringLiteral("COM1"));
        if (situation == u"no box checked") {
            for (int m = 0; m < 8; ++m)
                rig.select(m)->click();
        } else if (situation == u"checked texts empty") {
            rig.setTexts({QString(), QStringLiteral("unchecked")});
            rig.select(1)->click();
        } else if (situation == u"COM17" || situation == u"com1") {
            rig.port()->setEditText(situation);
        } else if (situation == u"blank port") {
            rig.port()->setEditText(QString());
        } else if (situation == u"port in use") {
            rig.serial.setOpenFailure({SerialFailure::Kind::InUse, QStringLiteral("/dev/ttyUSB0"),
                                       QStringLiteral("Device or resource busy")});
        } else if (situation == u"reads closed") {
            rig.serial.setOpenReadsClosed(true);
        }
        rig.send()->click();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, text);
        QCOMPARE(rig.prompt.boxes[0].title, title);
        if (situation == u"port in use")
            QVERIFY(
                rig.prompt.boxes[0].detail.contains(QStringLiteral("/dev/ttyUSB0: Device or resource busy")));
        QVERIFY(rig.serial.writes().isEmpty());
        QVERIFY(!rig.serial.isOpen());
        QVERIFY(!WindowTestAccess::isSending(*rig.window));
    }

    void shouldExplainAPortThatCannotBeOpened_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("hint");
        QTest::newRow("permission") << int(SerialFailure::Kind::PermissionDenied) << "/dev/ttyUSB0"
                                    << "Permission denied"
                                    << "dialout";
        QTest::newRow("in use") << int(SerialFailure::Kind::InUse) << "/dev/ttyACM1"
                                << "Device or resource busy"
                                << "Another program holds this port";
        QTest::newRow("gone") << int(SerialFailure::Kind::NoSuchPort) << "/dev/ttyUSB3"
                              << "No such file or directory"
                              << "Check the badge's cable";
        QTest::newRow("other") << int(SerialFailure::Kind::Other) << ""
                               << "Input/output error"
                               << "Input/output error";
    }

    void shouldExplainAPortThatCannotBeOpened()
    {
        QFETCH(int, kind);
        QFETCH(QString, device);
        QFETCH(QString, reason);
        QFETCH(QString, hint);
        Rig rig;
        rig.writeFonts();
        rig.start();
        rig.select(1)->click();
        rig.port()->setEditText(QStringLiteral("COM2"));
        const SerialFailure failure {SerialFailure::Kind(kind), device, reason};
        rig.serial.setOpenFailure(failure);
        MessageBank rebuilt;
        QVERIFY(prepareBank(rebuilt, messageTexts(WindowTestAccess::settingsFromControls(*rig.window)),
                            selectedMessages(WindowTestAccess::settingsFromControls(*rig.window)),
                            QStringLiteral("Chinese (Simplified)"), rig.fontDirs)
                    .ok);
        rig.send()->click();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, QStringLiteral("Port in use or not port"));
        QCOMPARE(rig.prompt.boxes[0].title, QStringLiteral("Warning"));
        // The words Sketchlume gives for the same failure.
        QCOMPARE(rig.prompt.boxes[0].detail,
                 BadgeSender::portFailureDetail(failure, PortDiagnostics::systemExplainer()));
        QVERIFY(rig.prompt.boxes[0].detail.contains(hint));
        if (!device.isEmpty())
            QVERIFY(rig.prompt.boxes[0].detail.contains(device + QStringLiteral(": ") + reason));
        QVERIFY(rig.serial.writes().isEmpty());
        QVERIFY(!rig.serial.isOpen());
        // The bank was rebuilt from the texts before the port was tried.
        QCOMPARE(WindowTestAccess::bank(*rig.window), rebuilt);
        QCOMPARE(WindowTestAccess::bank(*rig.window).width(1), qint16(0));
    }

    void shouldRefuseAMessageLeftOutOfTheLastSend()
    {
        Rig rig;
        rig.writeFonts();
        rig.start();
        rig.port()->setEditText(QStringLiteral("COM1"));
        rig.select(1)->click(); // message 1 not sent: its width becomes 0
        QSignalSpy finished(rig.window->findChild<BadgeSender *>(), &BadgeSender::transferFinished);
        rig.send()->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, lume::test::SafetyNetMs);
        QCOMPARE(WindowTestAccess::bank(*rig.window).width(1), qint16(0));
        for (int m = 0; m < 8; ++m)
            if (m != 1)
                rig.select(m)->click();
        rig.select(1)->click();
        rig.send()->click();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, QStringLiteral("No Sending Text! Do Not Send!"));
        // Editing its text estimates it again.
        rig.text(1)->setText(QStringLiteral("again"));
        rig.send()->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, lume::test::SafetyNetMs);
        QCOMPARE(rig.prompt.boxes.size(), 1);
    }

    void shouldRefuseASecondSendWhileSending()
    {
        Rig rig;
        rig.writeFonts();
        rig.serial.setNeverDrains(true);
        rig.start();
        rig.port()->setEditText(QStringLiteral("COM1"));
        rig.send()->click();
        QVERIFY(WindowTestAccess::isSending(*rig.window));
        QTRY_COMPARE_WITH_TIMEOUT(rig.serial.writes().size(), 2,
                                  lume::test::SafetyNetMs); // "Hello" and the header, waiting for the line
        const int opens = rig.serial.openCount();
        // Editing goes on while the line drains.
        rig.text(0)->setText(QStringLiteral("edited while sending"));
        rig.send()->click();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, QStringLiteral("Sending..."));
        QCOMPARE(rig.prompt.boxes[0].title, QStringLiteral("Waiting"));
        QCOMPARE(rig.serial.openCount(), opens);
        QVERIFY(WindowTestAccess::isSending(*rig.window));
        QCOMPARE(rig.serial.writes().size(), 2);
        rig.prompt.answer = true;
        QVERIFY(rig.window->close());
    }

    void shouldAskBeforeClosingDuringATransfer_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("byExit");
        QTest::newRow("No, title bar") << false << false;
        QTest::newRow("Yes, title bar") << true << false;
        QTest::newRow("No, Exit") << false << true;
        QTest::newRow("Yes, Exit") << true << true;
    }

    void shouldAskBeforeClosingDuringATransfer()
    {
        QFETCH(bool, answer);
        QFETCH(bool, byExit);
        Rig rig;
        rig.writeFonts();
        rig.serial.setNeverDrains(true);
        Form1 &window = rig.startShown();
        rig.port()->setEditText(QStringLiteral("COM1"));
        rig.send()->click();
        QVERIFY(WindowTestAccess::isSending(window));
        rig.text(0)->setText(QStringLiteral("typed during the transfer 中"));
        rig.prompt.answer = answer;
        if (byExit)
            rig.child<QPushButton>(QStringLiteral("CmdExit"))->click();
        else
            window.close();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, QStringLiteral("Sending datas to Display! Are you exit?"));
        QCOMPARE(rig.prompt.boxes[0].title, QStringLiteral("Warning"));
        // The settings are written whatever the answer.
        QCOMPARE(readScriptSettings(ProfileFile(rig.settingsPath)).messages[0].text,
                 QStringLiteral("typed during the transfer 中"));
        QCOMPARE(window.isVisible(), !answer);
        QCOMPARE(WindowTestAccess::isSending(window), !answer);
        QCOMPARE(rig.serial.isOpen(), !answer);
        const qsizetype writes = rig.serial.writes().size();
        QTest::qWait(20);
        QCOMPARE(rig.serial.writes().size(), writes); // nothing more after Yes, still waiting after No
        if (!answer) {
            rig.prompt.answer = true;
            QVERIFY(window.close());
            QVERIFY(!rig.serial.isOpen());
        }
    }

    void shouldCloseWithoutAQuestionWhenIdle()
    {
        Rig rig;
        Form1 &window = rig.startShown();
        rig.text(3)->setText(QStringLiteral("stored"));
        rig.child<QPushButton>(QStringLiteral("CmdExit"))->click();
        QVERIFY(!window.isVisible());
        QVERIFY(rig.prompt.boxes.isEmpty());
        QCOMPARE(readScriptSettings(ProfileFile(rig.settingsPath)).messages[3].text,
                 QStringLiteral("stored"));
    }
};

QTEST_MAIN(TstForm1)
#include "tst_form1.moc"
