#include "unencodable.h"

#include <QCoreApplication>

namespace lume {

namespace {

// Invisible characters and marks are named by their code point, so the user can find them.
QString nameOf(QStringView character)
{
    const char32_t code =
        character.size() == 2 ? QChar::surrogateToUcs4(character[0], character[1]) : character[0].unicode();
    const QChar::Category category = QChar::category(code);
    const bool visible = category != QChar::Other_Control && category != QChar::Other_Format &&
        category != QChar::Other_Surrogate && category != QChar::Other_NotAssigned &&
        category != QChar::Other_PrivateUse && category != QChar::Separator_Space &&
        category != QChar::Separator_Line && category != QChar::Separator_Paragraph &&
        category != QChar::Mark_NonSpacing && category != QChar::Mark_Enclosing;
    if (visible)
        return character.toString();
    return QStringLiteral("U+") +
        QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

} // namespace

QDebug operator<<(QDebug debug, const TextRange &range)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "TextRange(" << range.start << ", " << range.length << ')';
    return debug;
}

QList<TextRange> unencodableCharacters(QStringView text, CodePage codePage)
{
    const CodePageCodec &table = CodePageCodec::instance(codePage);
    QList<TextRange> ranges;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text[i].unicode();
        // The same reading of the text as the rasteriser's: a pair is one character, a lone
        // surrogate one that no code page has.
        const bool pair =
            QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(text[i + 1].unicode());
        const char32_t character = pair ? QChar::surrogateToUcs4(unit, text[i + 1].unicode()) : unit;
        if (character != U'?' && table.characterCode(character) == CodePageCodec::ReplacementCode)
            ranges.append({i, pair ? 2 : 1});
        if (pair)
            ++i;
    }
    return ranges;
}

QStringList unencodableNames(QStringView text, const QList<TextRange> &ranges)
{
    QStringList names;
    for (const TextRange &range : ranges) {
        const QString name = nameOf(text.mid(range.start, range.length));
        if (!names.contains(name))
            names << name;
    }
    return names;
}

QString unencodableNote(QStringView text, const QList<TextRange> &ranges, const QString &languageName)
{
    if (ranges.isEmpty())
        return QString();
    const QStringList names = unencodableNames(text, ranges);
    const QString list = names.join(QLatin1Char(' '));
    if (ranges.size() == 1)
        return QCoreApplication::translate("lume::MessagePreview", "1 character cannot be shown in %1: %2")
            .arg(languageName, list);
    return QCoreApplication::translate("lume::MessagePreview", "%1 characters cannot be shown in %2: %3")
        .arg(QString::number(ranges.size()), languageName, list);
}

} // namespace lume
