#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

#include <optional>

// A stretch of text with one character format.
struct RtfRun
{
    QString text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double fontSize = 12.0; // points
    std::optional<QColor> foreground;
    std::optional<QColor> background;
    bool operator==(const RtfRun&) const = default;
};

struct RtfParagraph
{
    QList<RtfRun> runs;
    bool operator==(const RtfParagraph&) const = default;
};

// What the reader makes of an RTF document. Line breaks inside a paragraph are U+2028 in the
// runs and "\n" in plainText, which also ends every paragraph that \par closed.
struct RtfDocument
{
    QString plainText;
    QList<RtfParagraph> paragraphs;
    // Index 0 is RTF's "automatic" colour, absent unless the table spells it out.
    QList<std::optional<QColor>> colorTable;
    // The fill colour of the document's {\*\background} shape, when it declares one.
    std::optional<QColor> pageBackground;
    // False when the input was cut short, unbalanced or hit one of the reader's limits; what
    // could be read is still there.
    bool wellFormed = true;
};

// A small, defensive RTF reader for previews and search. Clipboard data comes from any
// program, so the reader assumes nothing: it runs in time linear in the input, keeps its
// memory bounded, checks every index and never throws. It logs one warning line (without any
// of the content) when it gives up or has to drop part of a malformed document.
class RtfReader
{
public:
    static constexpr qsizetype maxInputSize = 64 * 1024 * 1024;
    // Groups nested deeper than this are read as if their braces were not there.
    static constexpr int maxGroupDepth = 1000;
    // Beyond these counts formatting changes and paragraph breaks fold into the text.
    static constexpr int maxRuns = 1 << 18;
    static constexpr int maxParagraphs = 1 << 18;
    static constexpr int maxColors = 4096;
    static constexpr int maxFonts = 4096;

    // Nothing when the data is not RTF (it must start with "{\rtf") or is larger than
    // maxInputSize.
    static std::optional<RtfDocument> read(const QByteArray& rtf);
};
