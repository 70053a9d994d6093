#include "HtmlText.h"

#include <QHash>
#include <QSet>
#include <QStringDecoder>

namespace {

QString decode(QByteArrayView html)
{
    const auto byte = [&](qsizetype i) { return i < html.size() ? uchar(html[i]) : 0; };
    if (byte(0) == 0xFF && byte(1) == 0xFE)
        return QStringDecoder(QStringDecoder::Utf16LE).decode(html.sliced(2));
    if (byte(0) == 0xFE && byte(1) == 0xFF)
        return QStringDecoder(QStringDecoder::Utf16BE).decode(html.sliced(2));
    if (byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF)
        return QString::fromUtf8(html.sliced(3));
    // Some browsers hand out their fragments as UTF-16 without a mark; markup starts with ASCII.
    if (html.size() >= 4 && html.size() % 2 == 0) {
        if (byte(0) != 0 && byte(1) == 0 && byte(3) == 0)
            return QStringDecoder(QStringDecoder::Utf16LE).decode(html);
        if (byte(0) == 0 && byte(1) != 0 && byte(2) == 0)
            return QStringDecoder(QStringDecoder::Utf16BE).decode(html);
    }
    return QString::fromUtf8(html);
}

const QHash<QString, char32_t>& namedEntities()
{
    static const QHash<QString, char32_t> entities = {
        {QStringLiteral("amp"), U'&'},      {QStringLiteral("lt"), U'<'},
        {QStringLiteral("gt"), U'>'},       {QStringLiteral("quot"), U'"'},
        {QStringLiteral("apos"), U'\''},    {QStringLiteral("nbsp"), U'\u00A0'},
        {QStringLiteral("ensp"), U' '},     {QStringLiteral("emsp"), U' '},
        {QStringLiteral("thinsp"), U' '},   {QStringLiteral("copy"), U'©'},
        {QStringLiteral("reg"), U'®'},      {QStringLiteral("trade"), U'™'},
        {QStringLiteral("hellip"), U'…'},   {QStringLiteral("mdash"), U'—'},
        {QStringLiteral("ndash"), U'–'},    {QStringLiteral("lsquo"), U'‘'},
        {QStringLiteral("rsquo"), U'’'},    {QStringLiteral("ldquo"), U'“'},
        {QStringLiteral("rdquo"), U'”'},    {QStringLiteral("laquo"), U'«'},
        {QStringLiteral("raquo"), U'»'},    {QStringLiteral("bull"), U'•'},
        {QStringLiteral("middot"), U'·'},   {QStringLiteral("euro"), U'€'},
        {QStringLiteral("pound"), U'£'},    {QStringLiteral("yen"), U'¥'},
        {QStringLiteral("cent"), U'¢'},     {QStringLiteral("sect"), U'§'},
        {QStringLiteral("para"), U'¶'},     {QStringLiteral("deg"), U'°'},
        {QStringLiteral("plusmn"), U'±'},   {QStringLiteral("times"), U'×'},
        {QStringLiteral("divide"), U'÷'},   {QStringLiteral("shy"), U'\u00AD'},
        {QStringLiteral("zwj"), U'\u200D'}, {QStringLiteral("zwnj"), U'\u200C'},
    };
    return entities;
}

// Elements that start and end a line of their own.
const QSet<QString>& blockElements()
{
    static const QSet<QString> names = {
        QStringLiteral("address"),    QStringLiteral("article"),  QStringLiteral("aside"),
        QStringLiteral("blockquote"), QStringLiteral("caption"),  QStringLiteral("dd"),
        QStringLiteral("details"),    QStringLiteral("div"),      QStringLiteral("dl"),
        QStringLiteral("dt"),         QStringLiteral("fieldset"), QStringLiteral("figcaption"),
        QStringLiteral("figure"),     QStringLiteral("footer"),   QStringLiteral("form"),
        QStringLiteral("h1"),         QStringLiteral("h2"),       QStringLiteral("h3"),
        QStringLiteral("h4"),         QStringLiteral("h5"),       QStringLiteral("h6"),
        QStringLiteral("header"),     QStringLiteral("hr"),       QStringLiteral("li"),
        QStringLiteral("main"),       QStringLiteral("nav"),      QStringLiteral("ol"),
        QStringLiteral("p"),          QStringLiteral("pre"),      QStringLiteral("section"),
        QStringLiteral("summary"),    QStringLiteral("table"),    QStringLiteral("tr"),
        QStringLiteral("ul"),
    };
    return names;
}

// Elements whose content is never shown as text.
bool hidesContent(const QString& name)
{
    return name == QLatin1String("script") || name == QLatin1String("style") ||
           name == QLatin1String("title") || name == QLatin1String("template");
}

bool isHtmlSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

class Extractor
{
public:
    explicit Extractor(const QString& html) : in_(html) { out_.reserve(html.size() / 2); }

    QString run()
    {
        while (i_ < in_.size()) {
            const QChar c = in_.at(i_);
            if (c == u'<')
                tag();
            else if (c == u'&')
                entity();
            else
                character(c), ++i_;
        }
        return out_.trimmed();
    }

private:
    void character(QChar c)
    {
        if (pre_ > 0) {
            if (c != u'\r')
                out_ += c;
            lineHasText_ = c != u'\n';
            return;
        }
        if (isHtmlSpace(c)) {
            pendingSpace_ = lineHasText_;
            return;
        }
        // A space that does not collapse; as text it is a space like any other.
        if (c == QChar::Nbsp)
            c = u' ';
        if (pendingSpace_)
            out_ += u' ';
        pendingSpace_ = false;
        out_ += c;
        lineHasText_ = true;
    }

    void lineBreak()
    {
        while (out_.endsWith(u' '))
            out_.chop(1);
        out_ += u'\n';
        lineHasText_ = pendingSpace_ = false;
    }

    void blockBoundary()
    {
        if (lineHasText_)
            lineBreak();
    }

    void entity()
    {
        const qsizetype end = in_.indexOf(u';', i_ + 1);
        if (end < 0 || end - i_ > 32) {
            character(u'&'), ++i_;
            return;
        }
        const QStringView name = QStringView(in_).sliced(i_ + 1, end - i_ - 1);
        char32_t code = 0;
        if (name.startsWith(u'#')) {
            bool ok = false;
            const bool hex = name.size() > 1 && (name.at(1) == u'x' || name.at(1) == u'X');
            const uint value = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            // Nothing that is not a character of its own comes out of a reference.
            code = !ok || value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)
                       ? U'\uFFFD'
                       : char32_t(value);
        } else {
            code = namedEntities().value(name.toString(), 0);
        }
        if (code == 0) {
            character(u'&'), ++i_;
            return;
        }
        i_ = end + 1;
        const QString decoded = QString::fromUcs4(&code, 1);
        for (QChar c : decoded)
            character(c);
    }

    // The end of a tag that starts at `from`: its '>' outside quoted attribute values.
    qsizetype tagEnd(qsizetype from) const
    {
        QChar quote;
        for (qsizetype k = from; k < in_.size(); ++k) {
            const QChar c = in_.at(k);
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == u'"' || c == u'\'') {
                quote = c;
            } else if (c == u'>') {
                return k;
            }
        }
        return in_.size();
    }

    void skipPast(QStringView marker, qsizetype from)
    {
        const qsizetype at = in_.indexOf(marker, from, Qt::CaseInsensitive);
        i_ = at < 0 ? in_.size() : at + marker.size();
    }

    void tag()
    {
        const QChar next = i_ + 1 < in_.size() ? in_.at(i_ + 1) : QChar();
        if (next == u'!') {
            if (QStringView(in_).sliced(i_).startsWith(u"<!--"))
                skipPast(u"-->", i_ + 4);
            else
                i_ = tagEnd(i_) + 1;
            return;
        }
        if (next == u'?') {
            i_ = tagEnd(i_) + 1;
            return;
        }
        const bool closing = next == u'/';
        qsizetype j = i_ + (closing ? 2 : 1);
        const qsizetype nameStart = j;
        while (j < in_.size() && (in_.at(j).isLetterOrNumber() && in_.at(j).unicode() < 0x80))
            ++j;
        if (j == nameStart || !in_.at(nameStart).isLetter()) {
            // "a < b" is text.
            character(u'<'), ++i_;
            return;
        }
        const QString name = in_.sliced(nameStart, j - nameStart).toLower();
        i_ = tagEnd(j) + 1;
        if (!closing && hidesContent(name)) {
            skipPast(QString(QStringLiteral("</") + name), i_);
            i_ = tagEnd(i_) + 1;
            return;
        }
        if (name == QLatin1String("br")) {
            lineBreak();
        } else if (name == QLatin1String("td") || name == QLatin1String("th")) {
            if (!closing && lineHasText_) {
                out_ += u'\t';
                pendingSpace_ = false;
            }
        } else if (blockElements().contains(name)) {
            blockBoundary();
            if (name == QLatin1String("pre"))
                pre_ = std::max(0, pre_ + (closing ? -1 : 1));
        }
    }

    const QString& in_;
    QString out_;
    qsizetype i_ = 0;
    int pre_ = 0;
    bool lineHasText_ = false;
    bool pendingSpace_ = false;
};

} // namespace

namespace HtmlText {

QString plainText(QByteArrayView html)
{
    const QString decoded = decode(html);
    return Extractor(decoded).run();
}

} // namespace HtmlText
