#include "refusaltext.h"
#include "testsupport.h"

#include <QTest>

using namespace lume;

Q_DECLARE_METATYPE(lume::SendRefusal::Kind)

class TstRefusalText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each refusal of the Send command in the words and titles of the windows' boxes.
    void shouldShowEachRefusalAsTheWindowsBox_data()
    {
        QTest::addColumn<SendRefusal::Kind>("kind");
        QTest::addColumn<QStringList>("explanation");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("detail");
        const QStringList why {"/dev/ttyUSB0: Permission denied", "Add yourself to the group dialout."};
        const QString whyText = "/dev/ttyUSB0: Permission denied\n\nAdd yourself to the group dialout.";
        QTest::newRow("busy") << SendRefusal::Kind::Busy << QStringList {} << "Sending..."
                              << "Waiting"
                              << "";
        QTest::newRow("port number") << SendRefusal::Kind::PortNumber << QStringList {}
                                     << "Set Port Number Error!"
                                     << "Error"
                                     << "";
        QTest::newRow("port in use") << SendRefusal::Kind::PortInUse << why << "Port in use or not port"
                                     << "Warning" << whyText;
        QTest::newRow("port in use, no words")
            << SendRefusal::Kind::PortInUse << QStringList {} << "Port in use or not port"
            << "Warning"
            << "";
        QTest::newRow("open port fail") << SendRefusal::Kind::PortOpenFailed << why << "Open port fail!"
                                        << "Error" << whyText;
    }

    void shouldShowEachRefusalAsTheWindowsBox()
    {
        QFETCH(SendRefusal::Kind, kind);
        QFETCH(QStringList, explanation);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QString, detail);
        SendProfile profile;
        profile.busyText = QStringLiteral("Sending...");
        profile.busyTitle = QStringLiteral("Waiting");
        test::RecordingPrompt prompt;
        showRefusal(prompt, SendRefusal {kind, {}, explanation}, profile);
        QCOMPARE(prompt.boxes.size(), 1);
        QCOMPARE(prompt.boxes[0].text, text);
        QCOMPARE(prompt.boxes[0].title, title);
        QCOMPARE(prompt.boxes[0].detail, detail);
        const RefusalText words = refusalText(SendRefusal {kind, {}, explanation}, profile);
        QCOMPARE(words.text, text);
        QCOMPARE(words.title, title);
    }
};

QTEST_GUILESS_MAIN(TstRefusalText)
#include "tst_refusaltext.moc"
