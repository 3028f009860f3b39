#pragma once

#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <array>

namespace lume::fuzz {

// Text from fuzz bytes, biased towards what breaks text files: ASCII with its control characters,
// byte-order marks, line and paragraph separators, lone and paired surrogates; any UTF-16 unit too.
inline QString fuzzText(FuzzedDataProvider &data, size_t maxLength)
{
    static constexpr std::array<char16_t, 16> Specials {0xFEFF, 0x2028, 0x2029, 0x00E9, 0x4E2D, 0xD800,
                                                        0xDC00, 0xFFFD, 0x0085, 0x00A0, 0x3000, 0xFFFE,
                                                        0xAC00, 0x0130, 0x212A, 0xDBFF};
    QString text;
    const size_t length = data.ConsumeIntegralInRange<size_t>(0, maxLength);
    for (size_t i = 0; i < length && data.remaining_bytes() > 0; ++i) {
        const quint8 c = data.ConsumeIntegral<quint8>();
        if (c < 0x80) {
            text += QChar(c);
        } else if (c < 0xF0) {
            text += QChar(Specials[c % Specials.size()]);
            if (c >= 0xE0) // a whole pair: U+1F600
                text += QString(QChar(0xD83D)) + QChar(0xDE00);
        } else {
            text += QChar(data.ConsumeIntegral<quint16>());
        }
    }
    return text;
}

} // namespace lume::fuzz
