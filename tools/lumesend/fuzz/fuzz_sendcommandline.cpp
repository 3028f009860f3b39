// Any arguments: a refusal says why in one "lumesend: " line; what is accepted holds only sound
// values (plain decimal numbers, list entries, a destination), checked here without the parser's
// own expressions. The dictionary beside this file gives the fuzzer the options' words.
#include "sendcommandline.h"

#include "language.h"
#include "sketchsendprofile.h"

#include <array>
#include <cstdio>
#include <cstdlib>

using namespace lume;

namespace {

[[noreturn]] void fail(const char *what, const QStringList &args)
{
    std::fprintf(stderr, "fuzz_sendcommandline: %s: %s\n", what, qPrintable(args.join(u'|')));
    std::abort();
}

// Digits, then optionally a point and digits; a sign first when allowed. Nothing else at all.
bool isPlainDecimal(const QString &text, bool sign)
{
    qsizetype i = 0;
    if (sign && i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const auto digits = [&]() {
        const qsizetype from = i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        return i > from;
    };
    if (!digits())
        return false;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        if (!digits())
            return false;
    }
    return i == text.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    // The arguments as the system passes them: bytes, one NUL after each.
    QStringList args {QStringLiteral("lumesend")};
    for (const QByteArray &arg :
         QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(size)).split('\0'))
        args << QString::fromLocal8Bit(arg);

    const SendCommandLine line = readSendCommandLine(args);
    if (readSendCommandLine(args).error != line.error)
        fail("the same arguments read twice give different results", args);
    if (!line.error.isEmpty()) {
        if (!line.error.startsWith(QStringLiteral("lumesend: ")))
            fail("a refusal without the program's name", args);
        return 0;
    }
    if (line.action != SendCommandLine::Action::Send)
        return 0;
    const SendRequest &request = line.request;
    if (request.target.isEmpty())
        fail("accepted without a destination", args);
    if (!languageEntries().contains(request.language))
        fail("accepted an unknown language", args);
    for (const MessageRequest &message : request.messages) {
        if (!message.fontSize.isEmpty() &&
            (!isPlainDecimal(message.fontSize, false) || message.fontSize.toDouble() <= 0))
            fail("accepted a size that is no plain number above 0", args);
        if (!message.topAdjust.isEmpty() && !isPlainDecimal(message.topAdjust, true))
            fail("accepted a top offset that is no plain number", args);
        if (!speedEntries().contains(message.settings.speed))
            fail("accepted a speed that is not in the list", args);
        if (!sketchDirections().contains(message.settings.direction))
            fail("accepted a direction that is not in the list", args);
        if (message.dotText && (message.screenText || message.hasPicture()))
            fail("accepted dot-font text with screen text or a picture", args);
        // Over a settings file the file's font is laid under it later.
        if (request.settingsPath.isEmpty() && message.screenText &&
            (message.fontFamily.isEmpty() || message.fontSize.isEmpty()))
            fail("screen text left without the first-start font and size", args);
    }
    return 0;
}
