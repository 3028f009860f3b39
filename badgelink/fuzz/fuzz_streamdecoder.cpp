// decodeStream(buildBadgeStream(x)) gives x back; a stream the decoder accepts from any bytes is
// one the builder makes again, byte for byte, from what was decoded.
#include "fuzzbank.h"

#include "streamdecoder.h"

#include <cstdio>
#include <cstdlib>

using namespace lume;

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_streamdecoder: %s\n", what);
    std::abort();
}

void checkBuiltStreamDecodes(FuzzedDataProvider &data)
{
    const fuzz::FuzzBank x = fuzz::fuzzBank(data);
    const BadgeStream stream = buildBadgeStream(x.bank, x.settings, x.directions);
    const QByteArray bytes = stream.bytes();
    if (bytes.size() != stream.size())
        fail("the stream's size is not what it says");
    if (expectedStreamSize(QByteArrayView(bytes).first(47)) != bytes.size())
        fail("the header announces another length");
    const DecodeResult result = decodeStream(bytes);
    if (!result.stream)
        fail(qPrintable(QStringLiteral("a built stream is rejected: ") + result.error));
    const DecodedStream &decoded = *result.stream;
    if (decoded.dataWidth != stream.dataWidth || decoded.size() != bytes.size())
        fail("the data width differs");
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const DecodedMessage &message = decoded.messages[m];
        const quint8 mode = modeByte(x.settings[m], x.directions);
        if (message.mode != mode || message.speed != (mode >> 4) + 1 || message.flash != bool(mode & 8) ||
            message.direction != (mode & 7))
            fail("a mode byte differs");
        if (message.startAddress != stream.startAddresses[m] || message.width != stream.clippedWidths[m])
            fail("a start address or width differs");
        if (message.width > std::max<int>(0, x.bank.width(m)))
            fail("a message grew");
        for (int r = 0; r < MessageBank::RowCount; ++r) {
            const auto row = x.bank.row(m, r);
            if (message.rows[r] != QByteArrayView(reinterpret_cast<const char *>(row.data()), message.width))
                fail("row bytes differ");
        }
    }
    const MessageBank back = toBank(decoded);
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        if (back.width(m) != stream.clippedWidths[m])
            fail("toBank gives another width");
    }
}

void checkAnyBytes(FuzzedDataProvider &data)
{
    QByteArray bytes;
    if (data.ConsumeBool()) // most random streams fail in the preamble: give them one
        bytes = "Hello";
    const std::string rest = data.ConsumeRemainingBytesAsString();
    bytes.append(rest.data(), qsizetype(rest.size()));
    const DecodeResult result = decodeStream(bytes);
    const std::optional<qsizetype> expected =
        bytes.size() >= 47 ? expectedStreamSize(QByteArrayView(bytes).first(47)) : std::nullopt;
    if (!result.stream) {
        if (result.error.isEmpty())
            fail("a rejected stream has no reason");
        return;
    }
    if (!result.error.isEmpty())
        fail("an accepted stream has a reason");
    if (expected != bytes.size() || result.stream->size() != bytes.size())
        fail("an accepted stream is not as long as its header says");
    // Built again from what was decoded, with the mode bytes as they came, it is the same bytes.
    MessageSettingsList settings;
    QByteArray rebuilt = buildBadgeStream(toBank(*result.stream), settings, {}).bytes();
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        rebuilt[5 + 1 + m] = char(result.stream->messages[m].mode);
    if (rebuilt != bytes)
        fail("an accepted stream is not what the builder makes of it");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    if (data.ConsumeBool())
        checkBuiltStreamDecodes(data);
    else
        checkAnyBytes(data);
    return 0;
}
