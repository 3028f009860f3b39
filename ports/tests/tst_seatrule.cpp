#include "portdiagnosis.h"
#include "seatrule.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace lume;

// The udev rule that the package installs, read as udev would be given it, against the table that
// the diagnosis explains.
class TstSeatRule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldCoverExactlyTheAdaptersOfTheTable()
    {
        const QString name = QLatin1String(SeatRule::FileName);
        QFile file(QStringLiteral(LUME_SOURCE_DIR "/data/udev/") + name);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        // logind's uaccess is applied in 73-seat-late.rules: a rule sorting after it tags too late.
        QVERIFY(name < QStringLiteral("73-seat-late.rules"));

        const QRegularExpression ids(
            QStringLiteral(R"re(ATTRS\{idVendor\}=="([0-9a-f]{4})", ATTRS\{idProduct\}=="([0-9a-f]{4})")re"));
        QSet<QString> inFile;
        int line = 0;
        for (const QByteArray &raw : file.readAll().split('\n')) {
            ++line;
            const QString text = QString::fromUtf8(raw).trimmed();
            if (text.isEmpty() || text.startsWith(u'#'))
                continue;
            const QString where = QStringLiteral("line %1: %2").arg(line).arg(text);
            // Other users and remote sessions stay out: the seat's user gets an access list.
            QVERIFY2(!text.contains(QStringLiteral("MODE")), qPrintable(where));
            // A negated parent key matches as soon as any parent (the tty itself) differs.
            QVERIFY2(
                !QRegularExpression(QStringLiteral(R"re((SUBSYSTEMS|ATTRS\{[^}]*\}|DRIVERS|KERNELS)!=)re"))
                     .match(text)
                     .hasMatch(),
                qPrintable(where));
            const QRegularExpressionMatch match = ids.match(text);
            if (!match.hasMatch())
                continue;
            QVERIFY2(text.contains(QStringLiteral("TAG+=\"uaccess\"")), qPrintable(where));
            QVERIFY2(text.contains(QStringLiteral("ENV{ID_MM_DEVICE_IGNORE}=\"1\"")), qPrintable(where));
            QVERIFY2(!inFile.contains(match.captured(1) + u':' + match.captured(2)), qPrintable(where));
            inFile.insert(match.captured(1) + u':' + match.captured(2));
        }
        QSet<QString> inTable;
        for (const SeatAdapter &adapter : SeatRule::adapters()) {
            inTable.insert(QStringLiteral("%1:%2")
                               .arg(adapter.vendorId, 4, 16, QLatin1Char('0'))
                               .arg(adapter.productId, 4, 16, QLatin1Char('0')));
            QCOMPARE(SeatRule::find(adapter.vendorId, adapter.productId), &adapter);
        }
        QCOMPARE(inFile, inTable);
        for (const char *id : {"0403:6001", "0403:6010", "0403:6014", "0403:6015", "1a86:7523", "1a86:5523",
                               "067b:2303", "067b:23a3", "10c4:ea60"})
            QVERIFY2(inTable.contains(QLatin1String(id)), id);
        QCOMPARE(SeatRule::find(0x2341, 0x0043), nullptr);
    }

    void shouldBeInThePackage()
    {
        QFile list(QStringLiteral(LUME_SOURCE_DIR "/data/package-files.txt"));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QVERIFY(list.readAll().split('\n').contains(SeatRule::path().toUtf8()));
    }

    void shouldReadAccessLists_data()
    {
        QTest::addColumn<QByteArray>("xattr");
        QTest::addColumn<bool>("allowed");
        // Entries: tag, permissions, id; as getfacl shows what uaccess leaves on a tty.
        const auto acl = [](std::initializer_list<std::array<uint, 3>> entries) {
            QByteArray bytes("\x02\0\0\0", 4);
            for (const auto &[tag, permissions, id] : entries) {
                for (const uint value : {tag, permissions})
                    bytes += char(value & 0xff), bytes += char(value >> 8);
                for (int shift = 0; shift < 32; shift += 8)
                    bytes += char((id >> shift) & 0xff);
            }
            return bytes;
        };
        constexpr uint NoId = 0xffffffffu;
        QTest::newRow("the seat's user")
            << acl({{0x01, 6, NoId}, {0x02, 6, 1000}, {0x04, 6, NoId}, {0x10, 6, NoId}, {0x20, 0, NoId}})
            << true;
        QTest::newRow("another user")
            << acl({{0x01, 6, NoId}, {0x02, 6, 1001}, {0x04, 6, NoId}, {0x10, 6, NoId}, {0x20, 0, NoId}})
            << false;
        QTest::newRow("read only") << acl({{0x01, 6, NoId}, {0x02, 4, 1000}, {0x10, 6, NoId}}) << false;
        QTest::newRow("masked") << acl({{0x01, 6, NoId}, {0x02, 6, 1000}, {0x10, 4, NoId}}) << false;
        QTest::newRow("a group of the user") << acl({{0x08, 6, 27}, {0x10, 6, NoId}}) << true;
        QTest::newRow("high id") << acl({{0x02, 6, 1000 + 0x10000}, {0x10, 6, NoId}}) << false;
        QTest::newRow("another version")
            << QByteArray("\x01\0\0\0", 4) + acl({{0x02, 6, 1000}}).mid(4) << false;
        QTest::newRow("cut short") << acl({{0x02, 6, 1000}}).chopped(1) << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void shouldReadAccessLists()
    {
        QFETCH(QByteArray, xattr);
        QFETCH(bool, allowed);
        QCOMPARE(PortDiagnostics::aclAllowsReadWrite(xattr, 1000, {1000, 27}), allowed);
    }
};

QTEST_GUILESS_MAIN(TstSeatRule)
#include "tst_seatrule.moc"
