#pragma once

#include "model/PasteInfModel.h"
#include "model/PasteInfoDisplayType.h"

#include <QList>
#include <QString>

#include <optional>

class CoreDataManager;

// A query split into its free text and the display types of its type clauses.
struct ParsedQuery
{
    // Trimmed at both ends; inner white space is kept as typed.
    QString text;
    // A set that remembers insertion order, so a recomposed clause lists its keywords in the
    // order they were written. Empty places no restriction on types.
    QList<PasteInfoDisplayType> displayTypes;
    // The first type clause, as written, with a word no type goes by or with no word at all
    // ("type:bogus", "type:"). Such a clause places no restriction and is searched as text;
    // whoever shows the results says what is wrong with it.
    std::optional<QString> badTypeClause;

    bool hasType(PasteInfoDisplayType type) const { return displayTypes.contains(type); }
    void insertType(PasteInfoDisplayType type);
    bool operator==(const ParsedQuery&) const = default;
};

// The query language of the search field: free text mixed with clauses like "type:image, link".
namespace SearchHelper {

// The display types a clause keyword stands for; empty for any other word. The word is trimmed,
// then compared exactly ("Image" stands for nothing).
QList<PasteInfoDisplayType> displayTypesForKeyword(const QString& word);

ParsedQuery parseQuery(const QString& query);

// The words a type clause takes, as a comma-separated list for messages.
QString typeClauseWords();

// The types the type filter offers, in order.
const QList<PasteInfoDisplayType>& filterTypes();

// The keyword a composed clause writes for a type; absent for rich-text-format-document.
std::optional<QString> keywordForDisplayType(PasteInfoDisplayType type);

// The field text after choosing filterTypes()[chosenIndex] in the type filter: the field's
// clauses merged into one clause with the chosen type added, then the free text. Absent when the
// index is out of range.
std::optional<QString> composeTypeClause(const QString& currentFieldText, qsizetype chosenIndex);

// The query's free text as the stored folded text is written (lower-cased), UTF-8 encoded, so
// that a byte substring search on the folded text decides the text condition.
QByteArray foldedNeedle(const ParsedQuery& query);

// A run of a text that the free text of a query matched: where it starts and how long it is,
// in UTF-16 code units of that text.
struct MatchRange
{
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const MatchRange&) const = default;
};

// Where `needle` (a query's free text) occurs in `text` the way the search finds it: both sides
// lower-cased, so the runs are the ones that made the item match. At most `limit` runs, from
// the start of the text, none overlapping.
QList<MatchRange> matchRanges(QStringView text, const QString& needle, qsizetype limit);

// The type condition for an item's display type (absent counts as "unknown").
bool typeMatches(const ParsedQuery& query, std::optional<PasteInfoDisplayType> displayType);

// Both conditions for one item held in memory. An item that is not classified yet is classified
// (and the result recorded on it, and in `store` when given) only when the query restricts types.
bool matches(const ParsedQuery& query, PasteInfModel& item, CoreDataManager* store);

} // namespace SearchHelper
