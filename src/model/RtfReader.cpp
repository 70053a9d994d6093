#include "RtfReader.h"

#include "common/Log.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

enum class Destination
{
    Text,
    Skip,
    // {\upr{ansi text}{\*\ud{unicode text}}}: only the \ud part is read.
    UnicodePair,
    FontTable,
    ColorTable,
    Background,
    ShapePropertyName,
    ShapePropertyValue,
};

enum class Word
{
    // Text
    Par,
    Line,
    Tab,
    Cell,
    Row,
    Char, // a symbol word, the character is in the table
    Unicode,
    UnicodeSkip,
    Bin,
    // Character format
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    FontSize,
    Foreground,
    Background,
    Hidden,
    Font,
    // Document and font table
    AnsiCodepage,
    Ansi,
    Mac,
    Pc,
    Pca,
    FontCharset,
    FontCodepage,
    // Colour table
    Red,
    Green,
    Blue,
    // Destinations
    SkipDestination,
    FontTableDestination,
    ColorTableDestination,
    BackgroundDestination,
    UnicodePairDestination,
    UnicodeText,
    ShapePropertyName,
    ShapePropertyValue,
};

struct Keyword
{
    Word word;
    char16_t character = 0;
};

const std::unordered_map<std::string_view, Keyword>& keywords()
{
    static const std::unordered_map<std::string_view, Keyword> table = [] {
        std::unordered_map<std::string_view, Keyword> map{
            {"par", {Word::Par}},
            {"sect", {Word::Par}},
            {"page", {Word::Par}},
            {"row", {Word::Row}},
            {"line", {Word::Line}},
            {"tab", {Word::Tab}},
            {"cell", {Word::Cell}},
            {"emdash", {Word::Char, 0x2014}},
            {"endash", {Word::Char, 0x2013}},
            {"bullet", {Word::Char, 0x2022}},
            {"lquote", {Word::Char, 0x2018}},
            {"rquote", {Word::Char, 0x2019}},
            {"ldblquote", {Word::Char, 0x201C}},
            {"rdblquote", {Word::Char, 0x201D}},
            {"emspace", {Word::Char, 0x2003}},
            {"enspace", {Word::Char, 0x2002}},
            {"qmspace", {Word::Char, 0x2005}},
            {"zwj", {Word::Char, 0x200D}},
            {"zwnj", {Word::Char, 0x200C}},
            {"zwbo", {Word::Char, 0x200B}},
            {"ltrmark", {Word::Char, 0x200E}},
            {"rtlmark", {Word::Char, 0x200F}},
            {"u", {Word::Unicode}},
            {"uc", {Word::UnicodeSkip}},
            {"bin", {Word::Bin}},
            {"plain", {Word::Plain}},
            {"b", {Word::Bold}},
            {"i", {Word::Italic}},
            {"ul", {Word::Underline}},
            {"uld", {Word::Underline}},
            {"uldash", {Word::Underline}},
            {"uldashd", {Word::Underline}},
            {"uldashdd", {Word::Underline}},
            {"uldb", {Word::Underline}},
            {"ulth", {Word::Underline}},
            {"ulw", {Word::Underline}},
            {"ulwave", {Word::Underline}},
            {"ulnone", {Word::UnderlineNone}},
            {"fs", {Word::FontSize}},
            {"cf", {Word::Foreground}},
            {"cb", {Word::Background}},
            {"highlight", {Word::Background}},
            {"chcbpat", {Word::Background}},
            {"v", {Word::Hidden}},
            {"f", {Word::Font}},
            {"ansicpg", {Word::AnsiCodepage}},
            {"ansi", {Word::Ansi}},
            {"mac", {Word::Mac}},
            {"pc", {Word::Pc}},
            {"pca", {Word::Pca}},
            {"fcharset", {Word::FontCharset}},
            {"cpg", {Word::FontCodepage}},
            {"red", {Word::Red}},
            {"green", {Word::Green}},
            {"blue", {Word::Blue}},
            {"fonttbl", {Word::FontTableDestination}},
            {"colortbl", {Word::ColorTableDestination}},
            {"background", {Word::BackgroundDestination}},
            {"upr", {Word::UnicodePairDestination}},
            {"ud", {Word::UnicodeText}},
            {"sn", {Word::ShapePropertyName}},
            {"sv", {Word::ShapePropertyValue}},
        };
        // Groups whose content is not document text.
        for (std::string_view name : {"annotation",
                                      "atnauthor",
                                      "atndate",
                                      "atnicn",
                                      "atnid",
                                      "atnref",
                                      "atntime",
                                      "atrfend",
                                      "atrfstart",
                                      "author",
                                      "bkmkend",
                                      "bkmkstart",
                                      "blipuid",
                                      "buptim",
                                      "colorschememapping",
                                      "comment",
                                      "company",
                                      "creatim",
                                      "datastore",
                                      "do",
                                      "doccomm",
                                      "docvar",
                                      "fchars",
                                      "filetbl",
                                      "fldinst",
                                      "footer",
                                      "footerf",
                                      "footerl",
                                      "footerr",
                                      "footnote",
                                      "ftncn",
                                      "ftnsep",
                                      "ftnsepc",
                                      "generator",
                                      "header",
                                      "headerf",
                                      "headerl",
                                      "headerr",
                                      "hlinkbase",
                                      "info",
                                      "keywords",
                                      "latentstyles",
                                      "lchars",
                                      "listoverridetable",
                                      "listtable",
                                      "mmathPr",
                                      "nonshppict",
                                      "objclass",
                                      "objdata",
                                      "object",
                                      "objname",
                                      "operator",
                                      "passwordhash",
                                      "pgdsctbl",
                                      "pict",
                                      "pn",
                                      "pntxta",
                                      "pntxtb",
                                      "printim",
                                      "private",
                                      "protusertbl",
                                      "revtbl",
                                      "revtim",
                                      "rsidtbl",
                                      "rxe",
                                      "shppict",
                                      "shprslt",
                                      "sp",
                                      "stylesheet",
                                      "subject",
                                      "tc",
                                      "template",
                                      "themedata",
                                      "title",
                                      "txe",
                                      "userprops",
                                      "wgrffmtfilter",
                                      "xe",
                                      "xmlnstbl"})
            map.emplace(name, Keyword{Word::SkipDestination});
        return map;
    }();
    return table;
}

// Windows code page 1252 for 0x80-0x9F; the rest of the upper half is Latin-1.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// \fcharset values to Windows code pages; 0 means "the document's code page".
int codepageForCharset(int charset)
{
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

QByteArray decoderName(int codepage)
{
    switch (codepage) {
    case 10000:
        return QByteArrayLiteral("macintosh");
    case 437:
    case 850:
    case 852:
    case 866:
        return "IBM" + QByteArray::number(codepage);
    default:
        return "windows-" + QByteArray::number(codepage);
    }
}

struct CharFormat
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    int foreground = 0;
    int background = 0;
    bool operator==(const CharFormat&) const = default;
};

struct State
{
    Destination destination = Destination::Text;
    CharFormat format;
    bool hidden = false;
    int unicodeSkip = 1;
    int codepage = 0; // 0: the document's
};

constexpr bool isLetter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr bool isDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}
int hexValue(unsigned char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class Parser
{
public:
    Parser(const char* begin, const char* end) : p_(begin), end_(end)
    {
        // stack_[0] stands for "outside the document", so there is always a current state.
        stack_.reserve(64);
        stack_.push_back(State{});
    }

    RtfDocument run()
    {
        while (p_ < end_ && !finished_) {
            const auto c = static_cast<unsigned char>(*p_++);
            switch (c) {
            case '{':
                flushBytes();
                openGroup();
                break;
            case '}':
                flushBytes();
                closeGroup();
                break;
            case '\\':
                controlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                textByte(c);
                break;
            }
        }
        flushBytes();
        flushSurrogate();
        if (stack_.size() > 1)
            problems_.unbalanced = true;
        flushRun();
        if (!runs_.isEmpty())
            doc_.paragraphs.append(RtfParagraph{std::move(runs_)});
        doc_.wellFormed = !problems_.any();
        if (!doc_.wellFormed)
            Log::warning(QStringLiteral("RtfReader"),
                         QStringLiteral("malformed rtf, read in part: ") + problems_.text());
        return std::move(doc_);
    }

private:
    struct Problems
    {
        bool unbalanced = false;
        bool truncatedEscape = false;
        bool binaryOverrun = false;
        bool tooDeep = false;
        bool limits = false;
        bool any() const { return unbalanced || truncatedEscape || binaryOverrun || tooDeep || limits; }
        QString text() const
        {
            QStringList parts;
            if (unbalanced)
                parts << QStringLiteral("unclosed groups");
            if (truncatedEscape)
                parts << QStringLiteral("cut-off control word");
            if (binaryOverrun)
                parts << QStringLiteral("binary data past the end");
            if (tooDeep)
                parts << QStringLiteral("groups nested too deep");
            if (limits)
                parts << QStringLiteral("too many runs, paragraphs, colours or fonts");
            return parts.join(QStringLiteral(", "));
        }
    };

    State& state() { return stack_.back(); }

    void openGroup()
    {
        skipRemaining_ = 0;
        ignorableNext_ = false;
        if (static_cast<int>(stack_.size()) > RtfReader::maxGroupDepth) {
            ++flattened_;
            problems_.tooDeep = true;
            return;
        }
        stack_.push_back(stack_.back());
    }

    void closeGroup()
    {
        skipRemaining_ = 0;
        ignorableNext_ = false;
        if (flattened_ > 0) {
            --flattened_;
            return;
        }
        if (stack_.size() <= 1)
            return;
        const Destination closing = stack_.back().destination;
        stack_.pop_back();
        if (closing == Destination::ShapePropertyValue && propertyName_ == "fillColor")
            takePageBackground();
        // Whatever follows the document's closing brace (often a NUL from the clipboard) is
        // not part of it.
        if (stack_.size() == 1)
            finished_ = true;
    }

    void controlSequence()
    {
        if (p_ >= end_) {
            problems_.truncatedEscape = true;
            return;
        }
        const auto c = static_cast<unsigned char>(*p_);
        if (!isLetter(c)) {
            ++p_;
            controlSymbol(c);
            return;
        }
        const char* nameStart = p_;
        while (p_ < end_ && isLetter(static_cast<unsigned char>(*p_)))
            ++p_;
        // RTF names are at most 32 letters; a longer one matches nothing anyway.
        const auto nameLength = std::min<std::ptrdiff_t>(p_ - nameStart, 32);
        bool negative = false;
        if (p_ + 1 < end_ && *p_ == '-' && isDigit(static_cast<unsigned char>(p_[1]))) {
            negative = true;
            ++p_;
        }
        bool hasParameter = false;
        long long value = 0;
        int digits = 0;
        // RTF allows ten digits; further ones are read past but do not count.
        while (p_ < end_ && isDigit(static_cast<unsigned char>(*p_))) {
            if (digits < 10)
                value = value * 10 + (*p_ - '0');
            ++digits;
            ++p_;
            hasParameter = true;
        }
        if (p_ < end_ && *p_ == ' ')
            ++p_;
        if (negative)
            value = -value;
        const int parameter = static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
        controlWord(std::string_view(nameStart, static_cast<size_t>(nameLength)), hasParameter, parameter);
    }

    void controlSymbol(unsigned char c)
    {
        if (c == '\'') {
            hexEscape();
            return;
        }
        flushBytes();
        if (c == '*') {
            ignorableNext_ = true;
            return;
        }
        ignorableNext_ = false;
        if (skipFallback())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            put(c);
            break;
        case '~':
            put(0x00A0);
            break;
        case '_':
            put(0x2011);
            break;
        case '\r':
        case '\n':
            paragraphBreak();
            break;
        case '\t':
            put(u'\t');
            break;
        default: // \- optional hyphen, \| \: formula marks and anything unknown
            break;
        }
    }

    void hexEscape()
    {
        ignorableNext_ = false;
        const int high = p_ < end_ ? hexValue(static_cast<unsigned char>(*p_)) : -1;
        const int low = p_ + 1 < end_ ? hexValue(static_cast<unsigned char>(p_[1])) : -1;
        if (high < 0 || low < 0) {
            if (p_ + 1 >= end_) {
                problems_.truncatedEscape = true;
                p_ = end_;
            }
            return;
        }
        p_ += 2;
        if (skipFallback())
            return;
        const auto byte = static_cast<char>(high * 16 + low);
        if (state().destination == Destination::Text && !state().hidden)
            pendingBytes_.append(byte);
    }

    // The characters after \uN stand in for it in readers that know no Unicode.
    bool skipFallback()
    {
        if (skipRemaining_ <= 0)
            return false;
        --skipRemaining_;
        return true;
    }

    void textByte(unsigned char c)
    {
        ignorableNext_ = false;
        if (skipFallback())
            return;
        State& s = state();
        switch (s.destination) {
        case Destination::Text:
            if (s.hidden)
                return;
            if (c >= 0x80) {
                pendingBytes_.append(static_cast<char>(c));
                return;
            }
            flushBytes();
            if (c == '\t' || c >= 0x20)
                put(c);
            return;
        case Destination::ColorTable:
            if (c == ';')
                endColor();
            return;
        case Destination::ShapePropertyName:
        case Destination::ShapePropertyValue:
            if (propertyText_.size() < 64)
                propertyText_.append(static_cast<char>(c));
            if (s.destination == Destination::ShapePropertyName)
                propertyName_ = propertyText_;
            return;
        default:
            return;
        }
    }

    void controlWord(std::string_view name, bool hasParameter, int parameter)
    {
        flushBytes();
        const bool ignorable = std::exchange(ignorableNext_, false);
        State& s = state();
        const auto& table = keywords();
        const auto found = table.find(name);

        // \bin data is never text, whatever group it is in.
        if (found != table.end() && found->second.word == Word::Bin) {
            skipBinary(hasParameter ? parameter : 0);
            return;
        }

        if (s.destination == Destination::Background) {
            // Only the shape properties of the background matter; its other groups stay in it.
            if (found != table.end() && found->second.word == Word::ShapePropertyName) {
                s.destination = Destination::ShapePropertyName;
                propertyText_.clear();
                propertyName_.clear();
            } else if (found != table.end() && found->second.word == Word::ShapePropertyValue) {
                s.destination = Destination::ShapePropertyValue;
                propertyText_.clear();
            }
            return;
        }
        if (s.destination == Destination::UnicodePair) {
            if (found != table.end() && found->second.word == Word::UnicodeText)
                s.destination = Destination::Text;
            return;
        }
        if (s.destination == Destination::Skip || s.destination == Destination::ShapePropertyName ||
            s.destination == Destination::ShapePropertyValue)
            return;

        if (found == table.end()) {
            if (ignorable)
                s.destination = Destination::Skip;
            return;
        }
        const Keyword& keyword = found->second;

        if (s.destination == Destination::FontTable) {
            fontTableWord(keyword.word, parameter);
            return;
        }
        if (s.destination == Destination::ColorTable) {
            colorTableWord(keyword.word, parameter);
            return;
        }

        if (ignorable && !isDestination(keyword.word)) {
            s.destination = Destination::Skip;
            return;
        }
        if (keyword.word == Word::Unicode) {
            if (!hasParameter)
                return;
            unicodeCharacter(parameter);
            return;
        }
        if (skipFallback())
            return;
        bodyWord(keyword, hasParameter, parameter);
    }

    static bool isDestination(Word word)
    {
        switch (word) {
        case Word::SkipDestination:
        case Word::FontTableDestination:
        case Word::ColorTableDestination:
        case Word::BackgroundDestination:
        case Word::UnicodePairDestination:
        case Word::UnicodeText:
        case Word::ShapePropertyName:
        case Word::ShapePropertyValue:
            return true;
        default:
            return false;
        }
    }

    void bodyWord(const Keyword& keyword, bool hasParameter, int parameter)
    {
        State& s = state();
        const bool on = !hasParameter || parameter != 0;
        switch (keyword.word) {
        case Word::Par:
        case Word::Row:
            paragraphBreak();
            break;
        case Word::Line:
            lineBreak();
            break;
        case Word::Tab:
        case Word::Cell:
            put(u'\t');
            break;
        case Word::Char:
            put(keyword.character);
            break;
        case Word::UnicodeSkip:
            s.unicodeSkip = std::max(0, parameter);
            break;
        case Word::Plain:
            s.format = CharFormat{};
            s.hidden = false;
            break;
        case Word::Bold:
            s.format.bold = on;
            break;
        case Word::Italic:
            s.format.italic = on;
            break;
        case Word::Underline:
            s.format.underline = on;
            break;
        case Word::UnderlineNone:
            s.format.underline = false;
            break;
        case Word::FontSize:
            s.format.halfPoints = parameter > 0 ? std::min(parameter, 3276) : 24;
            break;
        case Word::Foreground:
            s.format.foreground = std::max(0, parameter);
            break;
        case Word::Background:
            s.format.background = std::max(0, parameter);
            break;
        case Word::Hidden:
            s.hidden = on;
            break;
        case Word::Font: {
            const auto font = fontCodepages_.find(parameter);
            s.codepage = font == fontCodepages_.end() ? 0 : font->second;
            break;
        }
        case Word::AnsiCodepage:
            if (parameter > 0)
                documentCodepage_ = parameter;
            break;
        case Word::Ansi:
            documentCodepage_ = 1252;
            break;
        case Word::Mac:
            documentCodepage_ = 10000;
            break;
        case Word::Pc:
            documentCodepage_ = 437;
            break;
        case Word::Pca:
            documentCodepage_ = 850;
            break;
        case Word::FontTableDestination:
            s.destination = Destination::FontTable;
            break;
        case Word::ColorTableDestination:
            s.destination = Destination::ColorTable;
            doc_.colorTable.clear();
            colorSeen_ = false;
            red_ = green_ = blue_ = 0;
            break;
        case Word::BackgroundDestination:
            s.destination = Destination::Background;
            break;
        case Word::UnicodePairDestination:
            s.destination = Destination::UnicodePair;
            break;
        case Word::SkipDestination:
        case Word::ShapePropertyName:
        case Word::ShapePropertyValue:
            s.destination = Destination::Skip;
            break;
        default:
            break;
        }
    }

    void fontTableWord(Word word, int parameter)
    {
        switch (word) {
        case Word::Font:
            currentFont_ = parameter;
            break;
        case Word::FontCharset:
        case Word::FontCodepage: {
            const int codepage =
                word == Word::FontCharset ? codepageForCharset(parameter) : std::max(0, parameter);
            if (fontCodepages_.size() < static_cast<size_t>(RtfReader::maxFonts) ||
                fontCodepages_.count(currentFont_))
                fontCodepages_[currentFont_] = codepage;
            else
                problems_.limits = true;
            break;
        }
        case Word::SkipDestination:
            state().destination = Destination::Skip;
            break;
        default:
            break;
        }
    }

    void colorTableWord(Word word, int parameter)
    {
        const int component = std::clamp(parameter, 0, 255);
        switch (word) {
        case Word::Red:
            red_ = component;
            colorSeen_ = true;
            break;
        case Word::Green:
            green_ = component;
            colorSeen_ = true;
            break;
        case Word::Blue:
            blue_ = component;
            colorSeen_ = true;
            break;
        case Word::SkipDestination:
            state().destination = Destination::Skip;
            break;
        default:
            break;
        }
    }

    void endColor()
    {
        if (doc_.colorTable.size() < RtfReader::maxColors)
            doc_.colorTable.append(colorSeen_ ? std::optional<QColor>(QColor(red_, green_, blue_))
                                              : std::nullopt);
        else
            problems_.limits = true;
        colorSeen_ = false;
        red_ = green_ = blue_ = 0;
    }

    void takePageBackground()
    {
        bool ok = false;
        const long long value = propertyText_.trimmed().toLongLong(&ok);
        if (!ok || value < 0 || value > 0xFFFFFF)
            return;
        // A COLORREF: red in the low byte.
        doc_.pageBackground = QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
    }

    void skipBinary(int length)
    {
        const auto available = end_ - p_;
        const auto wanted = static_cast<std::ptrdiff_t>(std::max(0, length));
        if (wanted > available)
            problems_.binaryOverrun = true;
        p_ += std::min(wanted, available);
    }

    void unicodeCharacter(int parameter)
    {
        // Readers that skip the fallback of a \u inside a fallback would lose text, so the new
        // \u restarts the count.
        skipRemaining_ = 0;
        long long code = parameter;
        if (code < 0)
            code += 65536;
        const State& s = state();
        if (s.destination == Destination::Text && !s.hidden)
            put(code >= 0 && code <= 0xFFFF ? static_cast<char16_t>(code) : char16_t(0xFFFD));
        skipRemaining_ = s.unicodeSkip;
    }

    // --- Decoding of code-page bytes

    void flushBytes()
    {
        if (pendingBytes_.isEmpty())
            return;
        const int codepage = state().codepage != 0 ? state().codepage : documentCodepage_;
        if (codepage == 1252 || !appendDecoded(codepage)) {
            for (char byte : std::as_const(pendingBytes_)) {
                const auto b = static_cast<unsigned char>(byte);
                put(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
            }
        }
        pendingBytes_.clear();
    }

    bool appendDecoded(int codepage)
    {
        QStringDecoder* decoder = decoderFor(codepage);
        if (!decoder)
            return false;
        const QString text = decoder->decode(pendingBytes_);
        for (QChar ch : text)
            put(ch.unicode());
        return true;
    }

    QStringDecoder* decoderFor(int codepage)
    {
        for (auto& [cp, decoder] : decoders_)
            if (cp == codepage)
                return decoder.get();
        std::unique_ptr<QStringDecoder> decoder;
        if (codepage == 65001)
            decoder = std::make_unique<QStringDecoder>(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        else
            decoder = std::make_unique<QStringDecoder>(decoderName(codepage).constData(),
                                                       QStringDecoder::Flag::Stateless);
        if (!decoder->isValid())
            decoder.reset();
        // Enough for every code page a font charset can name; a hostile document naming more
        // only costs time to recreate decoders.
        if (decoders_.size() >= 32)
            decoders_.erase(decoders_.begin());
        decoders_.emplace_back(codepage, std::move(decoder));
        return decoders_.back().second.get();
    }

    // --- Output

    void put(char16_t unit)
    {
        if (state().destination != Destination::Text || state().hidden)
            return;
        if (QChar::isHighSurrogate(unit)) {
            flushSurrogate();
            highSurrogate_ = unit;
            return;
        }
        if (QChar::isLowSurrogate(unit)) {
            if (highSurrogate_ == 0) {
                append(0xFFFD);
                return;
            }
            append(std::exchange(highSurrogate_, 0));
            append(unit);
            return;
        }
        flushSurrogate();
        if (unit != 0)
            append(unit);
    }

    void flushSurrogate()
    {
        if (highSurrogate_ != 0) {
            highSurrogate_ = 0;
            append(0xFFFD);
        }
    }

    void append(char16_t unit, char16_t plainUnit = 0)
    {
        const CharFormat& format = state().format;
        if (runText_.isEmpty())
            runFormat_ = format;
        else if (!(runFormat_ == format) && runCount_ < RtfReader::maxRuns) {
            flushRun();
            runFormat_ = format;
        }
        runText_.append(QChar(unit));
        doc_.plainText.append(QChar(plainUnit != 0 ? plainUnit : unit));
    }

    void lineBreak()
    {
        if (state().hidden)
            return;
        flushSurrogate();
        append(QChar::LineSeparator, u'\n');
    }

    void paragraphBreak()
    {
        if (state().destination != Destination::Text || state().hidden)
            return;
        flushSurrogate();
        if (doc_.paragraphs.size() >= RtfReader::maxParagraphs) {
            problems_.limits = true;
            append(QChar::ParagraphSeparator, u'\n');
            return;
        }
        flushRun();
        doc_.paragraphs.append(RtfParagraph{std::exchange(runs_, {})});
        doc_.plainText.append(QLatin1Char('\n'));
    }

    void flushRun()
    {
        if (runText_.isEmpty())
            return;
        if (runCount_ >= RtfReader::maxRuns)
            problems_.limits = true;
        RtfRun run;
        run.text = std::exchange(runText_, {});
        run.bold = runFormat_.bold;
        run.italic = runFormat_.italic;
        run.underline = runFormat_.underline;
        run.fontSize = runFormat_.halfPoints / 2.0;
        run.foreground = color(runFormat_.foreground);
        run.background = color(runFormat_.background);
        runs_.append(std::move(run));
        ++runCount_;
    }

    std::optional<QColor> color(int index) const
    {
        if (index < 0 || index >= doc_.colorTable.size())
            return std::nullopt;
        return doc_.colorTable.at(index);
    }

    const char* p_;
    const char* const end_;
    std::vector<State> stack_;
    int flattened_ = 0;
    bool finished_ = false;
    bool ignorableNext_ = false;
    int skipRemaining_ = 0;
    Problems problems_;

    int documentCodepage_ = 1252;
    int currentFont_ = 0;
    std::unordered_map<int, int> fontCodepages_;
    std::vector<std::pair<int, std::unique_ptr<QStringDecoder>>> decoders_;
    QByteArray pendingBytes_;

    bool colorSeen_ = false;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    QByteArray propertyText_;
    QByteArray propertyName_;

    RtfDocument doc_;
    QList<RtfRun> runs_;
    QString runText_;
    CharFormat runFormat_;
    int runCount_ = 0;
    char16_t highSurrogate_ = 0;
};

} // namespace

std::optional<RtfDocument> RtfReader::read(const QByteArray& rtf)
{
    if (rtf.size() > maxInputSize) {
        Log::warning(QStringLiteral("RtfReader"), QStringLiteral("rtf data too large, not read"));
        return std::nullopt;
    }
    const char* begin = rtf.constData();
    const char* end = begin + rtf.size();
    while (begin < end && (*begin == ' ' || *begin == '\t' || *begin == '\r' || *begin == '\n'))
        ++begin;
    if (end - begin < 5 || std::string_view(begin, 5) != "{\\rtf") {
        Log::warning(QStringLiteral("RtfReader"), QStringLiteral("not rtf data"));
        return std::nullopt;
    }
    return Parser(begin, end).run();
}
