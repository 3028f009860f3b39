// Any font bytes, any text, each language: the rasterised width equals the estimate, and no other
// message changes.
#include "fuzztext.h"

#include "dotfontrasteriser.h"

#include <QBuffer>

#include <cstdio>
#include <cstdlib>

using namespace lume;

namespace {

[[noreturn]] void fail(const char *what, const QString &detail = {})
{
    std::fprintf(stderr, "fuzz_dotfontrasteriser: %s %s\n", what, qPrintable(detail));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // QBuffer's warning about seeks past the end, printed for nearly every input, slows the run.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    static constexpr CodePage CodePages[] = {CodePage::Gbk, CodePage::Big5, CodePage::ShiftJis,
                                             CodePage::Uhc};
    const CodePage codePage = CodePages[data.ConsumeIntegralInRange<size_t>(0, std::size(CodePages) - 1)];
    const int message = data.ConsumeIntegralInRange<int>(0, MessageBank::MessageCount - 1);
    const bool longText = data.ConsumeBool();
    QString text = fuzz::fuzzText(data, 64);
    if (longText) // past the 4096 pixels of a row and the cap of the running count
        text = text.repeated(4200 / std::max<qsizetype>(1, text.size()) + 1);
    QByteArray single = QByteArray::fromStdString(data.ConsumeRandomLengthString(4096));
    QByteArray doubleByte = QByteArray::fromStdString(data.ConsumeRemainingBytesAsString());
    QBuffer singleFont(&single);
    QBuffer doubleFont(&doubleByte);
    singleFont.open(QIODevice::ReadOnly);
    doubleFont.open(QIODevice::ReadOnly);

    MessageBank bank;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        bank.setWidth(m, qint16(100 + m));
        for (int r = 0; r < MessageBank::RowCount; ++r)
            bank.setByte(m, r, m, quint8(0x5A));
    }
    const MessageBank before = bank;
    readHZK(bank, message, text, codePage, singleFont, doubleFont);
    const qint16 estimate = estimateWidth(text, codePage);
    if (bank.width(message) != estimate)
        fail("the width differs from the estimate",
             QStringLiteral("%1 != %2 for %3 characters")
                 .arg(bank.width(message))
                 .arg(estimate)
                 .arg(text.size()));
    if (estimate < 0 || estimate > 4095)
        fail("an estimate out of range");
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        if (m == message)
            continue;
        if (bank.width(m) != before.width(m))
            fail("another message's width changed");
        for (int r = 0; r < MessageBank::RowCount; ++r) {
            if (!std::equal(bank.row(m, r).begin(), bank.row(m, r).end(), before.row(m, r).begin()))
                fail("another message's rows changed");
        }
    }
    return 0;
}
