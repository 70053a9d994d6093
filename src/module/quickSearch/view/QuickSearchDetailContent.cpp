#include "module/quickSearch/view/QuickSearchDetailContent.h"

#include "common/HtmlText.h"
#include "common/Log.h"
#include "model/ColorHandle.h"
#include "model/PasteInfModel.h"
#include "model/RtfTextHandle.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailTextView.h"
#include "platform/PasteboardTypes.h"

#include <QBuffer>
#include <QImageReader>

namespace {

const QString kTag = QStringLiteral("QuickSearchDetailContent");

void setText(QuickSearchDetailContent& content, const QString& text)
{
    content.kind = QuickSearchDetailContent::Kind::text;
    content.textLength = text.size();
    qsizetype cut = std::min(text.size(), QuickSearchDetailContent::maxShownTextLength);
    // Never leave half a surrogate pair at the end.
    if (cut < text.size() && cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    content.text = cut < text.size() ? text.left(cut) : text;
}

void prepareImage(QuickSearchDetailContent& content, const QByteArray& data, const QSize& box)
{
    content.kind = QuickSearchDetailContent::Kind::image;
    content.imageData = data;
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid()) {
        Log::warning(kTag, QStringLiteral("image data cannot be decoded"));
        return;
    }
    // A little room to grow with the window; beyond that a resize shows it scaled up.
    const int side = QuickSearchDetailContent::maxImageSide;
    const QSize bound = box.isValid() && !box.isEmpty()
                            ? (box * 1.5).boundedTo(QSize(side, side)).expandedTo(QSize(256, 256))
                            : QSize(side, side);
    if (size.width() > bound.width() || size.height() > bound.height())
        reader.setScaledSize(size.scaled(bound, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull()) {
        Log::warning(kTag, QStringLiteral("image data cannot be decoded: %1").arg(reader.errorString()));
        return;
    }
    content.imageSize = size;
    content.image = std::move(image);
}

void prepareRichText(QuickSearchDetailContent& content, const QByteArray& rtf)
{
    std::optional<RtfDocument> document = RtfReader::read(rtf);
    if (!document) {
        Log::warning(kTag, QStringLiteral("rich text cannot be read"));
        content.kind = QuickSearchDetailContent::Kind::nothing;
        return;
    }
    setText(content, document->plainText);
    if (content.isCut() || document->plainText.size() > QuickSearchDetailContent::maxRichTextLength)
        return;
    // A paragraph too long to lay out at once is shown as plain text, in pieces.
    for (const RtfParagraph& paragraph : document->paragraphs) {
        qsizetype length = 0;
        for (const RtfRun& run : paragraph.runs)
            length += run.text.size();
        if (length > QuickSearchDetailTextView::maxPieceLength)
            return;
    }
    content.plain = false;
    content.paragraphs = std::move(document->paragraphs);
    content.background = RtfTextHandle::rtfBackgroundColor(QString::fromUtf8(rtf));
}

} // namespace

bool QuickSearchDetailContent::isPreviewableUrl(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

QuickSearchDetailContent QuickSearchDetailContent::prepare(CoreDataManager* store, const PasteInfRow& row,
                                                           const std::optional<PasteboardItems>& items,
                                                           bool linkPreview, const QSize& imageBox)
{
    QuickSearchDetailContent content;
    if (!items || items->isEmpty())
        return content;
    PasteInfModel model = row.toModel(items);
    const std::optional<PreferredContent> preferred = PasteBoardUtils::preferredContent(model, store);
    if (!preferred) {
        content.displayType = PasteInfoDisplayType::Unknown;
        return content;
    }
    content.displayType = preferred->displayType;
    const auto* bytes = std::get_if<QByteArray>(&preferred->value);
    const auto* string = std::get_if<QString>(&preferred->value);
    const auto* files = std::get_if<QList<FileEntry>>(&preferred->value);
    // A value of the wrong kind for its display type shows nothing.
    content.kind = Kind::nothing;
    switch (preferred->displayType) {
    case PasteInfoDisplayType::RichTextFormat:
    case PasteInfoDisplayType::RichTextFormatDocument:
        // HTML shows as its text: formatting it would mean honouring what it links to.
        if (bytes && preferred->pasteboardType == PasteboardType::html)
            setText(content, HtmlText::plainText(*bytes));
        else if (bytes)
            prepareRichText(content, *bytes);
        break;
    case PasteInfoDisplayType::Text:
    case PasteInfoDisplayType::PlainText:
        if (string)
            setText(content, *string);
        break;
    case PasteInfoDisplayType::Link:
        if (string) {
            const QUrl url(string->trimmed(), QUrl::StrictMode);
            if (linkPreview && isPreviewableUrl(url)) {
                content.kind = Kind::web;
                content.url = url;
            } else {
                setText(content, *string);
            }
        }
        break;
    case PasteInfoDisplayType::Image:
        if (bytes)
            prepareImage(content, *bytes, imageBox);
        break;
    case PasteInfoDisplayType::File:
        if (files) {
            content.kind = Kind::files;
            content.files = *files;
        }
        break;
    case PasteInfoDisplayType::Color:
        if (string) {
            content.kind = Kind::color;
            content.colorText = ColorHandle::normalizedColorText(*string);
            content.color = ColorHandle::colorFromHex(string->trimmed());
        }
        break;
    case PasteInfoDisplayType::Unknown:
        content.kind = Kind::unknown;
        break;
    }
    return content;
}
