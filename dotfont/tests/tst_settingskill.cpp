#include "profilefile.h"
#include "scriptsettings.h"
#include "testseed.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>

using namespace lume;

namespace {

const char *const StoreForever = "--store-forever";

// Two sets of settings that differ in every value, in length too, so that a torn write shows.
ScriptSettings variant(int which)
{
    ScriptSettings settings = ScriptSettings::defaults();
    for (int m = 0; m < 8; ++m) {
        ScriptMessage &message = settings.messages[m];
        message.text = which == 0 ? QString(400 + m, QChar(u'a' + m)) : QString(250 - m, QChar(0x4E2D + m));
        message.select = which == 0 ? CheckValue::Checked : CheckValue::Unchecked;
        message.speed = which == 0 ? QStringLiteral("4") : QStringLiteral("8");
        message.direction = which == 0 ? QStringLiteral("to Left") : QStringLiteral("to Right");
        message.flash = which == 0 ? CheckValue::Unchecked : CheckValue::Checked;
    }
    settings.language = which == 0 ? QStringLiteral("Japanese") : QStringLiteral("Korean");
    return settings;
}

// The child: stores the two sets in turn until it is killed, saying before each store, on its
// output, that it starts it: "storing <round>".
int storeForever(const QString &path)
{
    ProfileFile file(path, CodePage::Western);
    for (int round = 1;; ++round) {
        std::printf("storing %d\n", round);
        std::fflush(stdout);
        writeScriptSettings(file, variant(round % 2));
    }
}

// Waits until the writer has said that it starts the store of this round; a slow machine only
// makes this take longer. The timeout is a safety net against a writer that hangs.
bool waitUntilStoring(QProcess &writer, int round)
{
    const QByteArray announced = "storing " + QByteArray::number(round) + '\n';
    QByteArray said;
    while (!said.contains(announced)) {
        if (!writer.waitForReadyRead(120000))
            return false;
        said += writer.readAllStandardOutput();
    }
    return true;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList temporaries(const QString &path)
{
    const QFileInfo info(path);
    return info.dir().entryList({info.fileName() + QStringLiteral(".lume-*")}, QDir::Files | QDir::Hidden);
}

// All of one set or all of the other: a store is never seen half done, not even between values.
bool isWholeOldOrNew(const ScriptSettings &read)
{
    return read == variant(0) || read == variant(1);
}

// The file a store of these values gives in a new file: every section and key once, in store order.
QByteArray storedBytes(const ScriptSettings &settings)
{
    QByteArray bytes;
    for (int m = 0; m < 8; ++m) {
        const ScriptMessage &message = settings.messages[m];
        const QByteArray n = QByteArray::number(m + 1);
        bytes += (m > 0 ? "\n[Message" : "[Message") + n + "]\nMessage" + n +
            "Text=" + message.text.toUtf8() + "\nSelect=" + QByteArray::number(storedNumber(message.select)) +
            "\nSpeed=" + message.speed.toUtf8() + "\nDirection=" + message.direction.toUtf8() +
            "\nFlash=" + QByteArray::number(storedNumber(message.flash)) + '\n';
    }
    return bytes + "\n[Language]\nLanguage=" + settings.language.toUtf8() + '\n';
}

} // namespace

class TstSettingsKill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldLeaveACompleteFileWheneverAWriteIsKilled()
    {
#ifndef Q_OS_UNIX
        QSKIP("SIGKILL is a Unix signal");
#else
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Scriptlume.ini"));
        ProfileFile file(path, CodePage::Western);
        QVERIFY(writeScriptSettings(file, variant(0)));
        QCOMPARE(readFile(path), storedBytes(variant(0)));
        QByteArray previous = readFile(path);
        int changes = 0;
        int leftovers = 0;
        test::TestSeed random(0x5EED0004);
        for (int kill = 0; kill < 200; ++kill) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(StoreForever), path});
            QVERIFY(writer.waitForStarted(120000));
            // The kill falls in the first to fourth store, somewhere in it: from the second on, the
            // file has been replaced at least once, so the kills change it however slow the writer.
            const int round = int(random->bounded(1, 5));
            QVERIFY2(waitUntilStoring(writer, round), qPrintable(QStringLiteral("kill %1").arg(kill)));
            QThread::usleep(random->bounded(0, 2000));
            writer.kill(); // SIGKILL: no handler, no flush
            QVERIFY(writer.waitForFinished(120000));

            const QByteArray bytes = readFile(path);
            const ScriptSettings read = readScriptSettings(file);
            QVERIFY2(isWholeOldOrNew(read), qPrintable(QStringLiteral("kill %1").arg(kill)));
            // Complete: exactly the bytes that storing one whole set gives, nothing torn or added.
            QCOMPARE(bytes, storedBytes(read));
            changes += bytes != previous;
            leftovers += int(temporaries(path).size());
            previous = bytes;
        }
        qInfo("200 kills: the file changed %d times; %d temporary files were left behind", changes,
              leftovers);
        QVERIFY(changes > 0); // the kills did fall while the writer was storing
        // The next write clears what killed writes left.
        QVERIFY(file.writeString(QStringLiteral("Language"), QStringLiteral("Language"),
                                 QStringLiteral("Korean")));
        QCOMPARE(temporaries(path), QStringList());
#endif
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], StoreForever) == 0)
        return storeForever(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TstSettingsKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingskill.moc"
