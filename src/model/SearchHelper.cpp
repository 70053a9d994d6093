#include "SearchHelper.h"

#include "model/PasteBoardUtils.h"

#include <QRegularExpression>
#include <QStringList>

using T = PasteInfoDisplayType;

void ParsedQuery::insertType(PasteInfoDisplayType type)
{
    if (!displayTypes.contains(type))
        displayTypes.append(type);
}

namespace SearchHelper {
namespace {

// The clause pattern "type:(\w+(, {0,1}){0,1})+" with \w as the query language defines it:
// [\p{Alphabetic}\p{Mark}\p{Decimal_Number}\p{Connector_Punctuation}\u200c\u200d]. PCRE2's own
// \w (even with Unicode properties on) also takes other numbers such as "²" and leaves out marks
// and connectors other than "_", so the class is spelled out.
const QRegularExpression& clausePattern()
{
    static const QRegularExpression pattern = [] {
        QRegularExpression re(
            QStringLiteral(R"(type:([\p{Alphabetic}\p{M}\p{Nd}\p{Pc}\x{200C}\x{200D}]+(, {0,1}){0,1})+)"),
            QRegularExpression::UseUnicodePropertiesOption);
        re.optimize();
        return re;
    }();
    return pattern;
}

// A clause that starts a word: "type:" inside a word ("content-type:") is text.
const QRegularExpression& clauseStartPattern()
{
    static const QRegularExpression pattern(QStringLiteral(R"((?:^|\s)(type:[^\s]*))"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

} // namespace

QList<PasteInfoDisplayType> displayTypesForKeyword(const QString& word)
{
    const QString key = word.trimmed();
    if (key == QLatin1String("text"))
        return {T::PlainText, T::RichTextFormat, T::RichTextFormatDocument};
    if (key == QLatin1String("plain_text"))
        return {T::PlainText};
    if (key == QLatin1String("rich_text"))
        return {T::RichTextFormat, T::RichTextFormatDocument};
    if (key == QLatin1String("image"))
        return {T::Image};
    if (key == QLatin1String("color"))
        return {T::Color};
    if (key == QLatin1String("file"))
        return {T::File};
    if (key == QLatin1String("link"))
        return {T::Link};
    if (key == QLatin1String("unknown"))
        return {T::Unknown};
    return {};
}

ParsedQuery parseQuery(const QString& query)
{
    ParsedQuery parsed;
    QString working = query;
    const QRegularExpression& pattern = clausePattern();
    if (pattern.isValid()) {
        // All matches are taken from the original query first; removals only touch the copy.
        auto it = pattern.globalMatch(query);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            const QString clause = match.captured(0);
            const qsizetype start = match.capturedStart(0);
            const bool startsWord = start == 0 || query.at(start - 1).isSpace();
            QString keywords = clause;
            keywords.remove(QStringLiteral("type:"));
            QList<PasteInfoDisplayType> found;
            bool unknownWord = false;
            for (const QString& piece : keywords.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                const auto types = displayTypesForKeyword(piece);
                unknownWord = unknownWord || (types.isEmpty() && !piece.trimmed().isEmpty());
                found += types;
            }
            if (unknownWord && startsWord && !parsed.badTypeClause)
                parsed.badTypeClause = clause.trimmed();
            if (found.isEmpty())
                continue; // a clause of unknown words is searched for as text
            for (PasteInfoDisplayType type : found)
                parsed.insertType(type);
            working.remove(clause, Qt::CaseSensitive);
        }
    }
    if (!parsed.badTypeClause) {
        // The clause pattern needs a word, so "type:" alone or before punctuation is no clause
        // at all; it means one all the same.
        auto it = clauseStartPattern().globalMatch(query);
        while (it.hasNext() && !parsed.badTypeClause) {
            const QString clause = it.next().captured(1);
            if (!clausePattern().match(clause).hasMatch())
                parsed.badTypeClause = clause;
        }
    }
    parsed.text = working.trimmed();
    return parsed;
}

QString typeClauseWords()
{
    return QStringLiteral("text, plain_text, rich_text, image, file, link, color, unknown");
}

const QList<PasteInfoDisplayType>& filterTypes()
{
    static const QList<PasteInfoDisplayType> types = {T::Text, T::RichTextFormat, T::PlainText, T::Image,
                                                      T::File, T::Link,           T::Color,     T::Unknown};
    return types;
}

std::optional<QString> keywordForDisplayType(PasteInfoDisplayType type)
{
    switch (type) {
    case T::Text:
        return QStringLiteral("text");
    case T::RichTextFormat:
        return QStringLiteral("rich_text");
    case T::PlainText:
        return QStringLiteral("plain_text");
    case T::RichTextFormatDocument:
        return std::nullopt;
    case T::Image:
    case T::File:
    case T::Link:
    case T::Color:
    case T::Unknown:
        return DisplayType::rawValue(type);
    }
    return std::nullopt;
}

std::optional<QString> composeTypeClause(const QString& currentFieldText, qsizetype chosenIndex)
{
    if (chosenIndex < 0 || chosenIndex >= filterTypes().size())
        return std::nullopt;
    ParsedQuery parsed = parseQuery(currentFieldText);
    parsed.insertType(filterTypes().at(chosenIndex));
    QStringList keywords;
    for (PasteInfoDisplayType type : parsed.displayTypes)
        if (auto keyword = keywordForDisplayType(type))
            keywords.append(*keyword);
    return QStringLiteral("type:") + keywords.join(QLatin1Char(',')) + QLatin1Char(' ') + parsed.text;
}

QByteArray foldedNeedle(const ParsedQuery& query)
{
    return query.text.toLower().toUtf8();
}

QList<MatchRange> matchRanges(QStringView text, const QString& needle, qsizetype limit)
{
    QList<MatchRange> ranges;
    const QString lowerNeedle = needle.toLower();
    if (lowerNeedle.isEmpty() || text.isEmpty() || limit <= 0)
        return ranges;
    const QString lowered = text.toString().toLower();
    if (lowered.size() == text.size()) {
        // Lower-casing kept every length, so positions are the text's own.
        for (qsizetype at = lowered.indexOf(lowerNeedle); at >= 0 && ranges.size() < limit;
             at = lowered.indexOf(lowerNeedle, at + lowerNeedle.size()))
            ranges.append({at, lowerNeedle.size()});
        return ranges;
    }
    // A few characters lower-case to more than one (U+0130): lower each one on its own and
    // remember which character of the text every lowered unit came from.
    QString folded;
    QList<qsizetype> sourceStart, sourceEnd;
    folded.reserve(lowered.size());
    sourceStart.reserve(lowered.size());
    sourceEnd.reserve(lowered.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString lower = text.sliced(i, width).toString().toLower();
        folded += lower;
        for (qsizetype k = 0; k < lower.size(); ++k) {
            sourceStart.append(i);
            sourceEnd.append(i + width);
        }
        i += width;
    }
    for (qsizetype at = folded.indexOf(lowerNeedle); at >= 0 && ranges.size() < limit;
         at = folded.indexOf(lowerNeedle, at + lowerNeedle.size())) {
        const qsizetype start = sourceStart.at(at);
        ranges.append({start, sourceEnd.at(at + lowerNeedle.size() - 1) - start});
    }
    return ranges;
}

bool typeMatches(const ParsedQuery& query, std::optional<PasteInfoDisplayType> displayType)
{
    return query.displayTypes.isEmpty() || query.hasType(displayType.value_or(T::Unknown));
}

bool matches(const ParsedQuery& query, PasteInfModel& item, CoreDataManager* store)
{
    if (!query.text.isEmpty()) {
        // A secret's text is not searched, as the store does not index it.
        if (item.secretKind)
            return false;
        std::optional<QString> plain = item.firstPlainText;
        if (!plain) {
            const auto& items = item.pasteboardItems();
            if (items && !items->isEmpty())
                plain = items->first().readableText();
        }
        if (!plain || !plain->toLower().contains(query.text.toLower()))
            return false;
    }
    if (query.displayTypes.isEmpty())
        return true;
    std::optional<PasteInfoDisplayType> type = item.displayType;
    if (!type) {
        if (auto content = PasteBoardUtils::preferredContent(item, store))
            type = content->displayType;
    }
    return typeMatches(query, type);
}

} // namespace SearchHelper
