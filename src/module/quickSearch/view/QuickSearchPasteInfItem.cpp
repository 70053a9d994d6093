#include "QuickSearchPasteInfItem.h"

#include "common/ControlCharacters.h"
#include "model/ColorHandle.h"
#include "model/HistoryReader.h"
#include "model/Localized.h"
#include "model/SearchHelper.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "module/quickSearch/view/QuickSearchThumbnailCache.h"
#include "view/base/ThemeColors.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QTextLayout>

#include <cmath>

namespace {

// The design's measures, in logical pixels.
constexpr int kInsetX = 4;
constexpr int kInsetY = 3;
constexpr int kContentInset = 6;
constexpr qreal kCornerRadius = 5;
constexpr int kPreviewSide = 42;
constexpr int kTextGap = 5;
constexpr int kIconSide = 14;
constexpr int kTextPixelSize = 15;
constexpr int kHeaderPixelSize = 11;
constexpr int kBadgePixelSize = 16;
constexpr int kMaxTextLines = 2;

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// Readable text on a background of any colour.
QColor textOn(const QColor& background)
{
    const qreal luminance =
        0.2126 * background.redF() + 0.7152 * background.greenF() + 0.0722 * background.blueF();
    return luminance > 0.55 ? QColor(20, 20, 20) : QColor(250, 250, 250);
}

QFont pixelFont(const QFont& base, int pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font = base;
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

// A word typed in the search can occur more often in a row than a row can show.
constexpr qsizetype kMaxHighlightsPerRow = 64;

// The marks of the matches that fall on one line of a row, which starts at `start` of the
// row's text and is `length` long.
QList<QTextLayout::FormatRange> highlightFormats(const QList<SearchHelper::MatchRange>& matches,
                                                 qsizetype start, qsizetype length)
{
    QList<QTextLayout::FormatRange> formats;
    for (const SearchHelper::MatchRange& match : matches) {
        const qsizetype from = std::max(match.start, start);
        const qsizetype to = std::min(match.start + match.length, start + length);
        if (from >= to)
            continue;
        QTextLayout::FormatRange range;
        range.start = int(from - start);
        range.length = int(to - from);
        range.format.setBackground(ThemeColors::matchBackground());
        range.format.setForeground(ThemeColors::matchForeground());
        formats.append(range);
    }
    return formats;
}

bool needsPreview(const std::optional<PasteInfoDisplayType>& type)
{
    return !type || *type == PasteInfoDisplayType::Image || *type == PasteInfoDisplayType::File;
}

} // namespace

QuickSearchPasteInfItem::QuickSearchPasteInfItem(QuickSearchThumbnailCache* thumbnails,
                                                                 QObject* parent)
    : QStyledItemDelegate(parent), thumbnails_(thumbnails)
{
    if (thumbnails_)
        connect(thumbnails_, &QuickSearchThumbnailCache::previewLoaded, this,
                &QuickSearchPasteInfItem::repaintNeeded);
}

void QuickSearchPasteInfItem::setIconLookup(IconLookup lookup)
{
    iconLookup_ = std::move(lookup);
    icons_.clear();
    Q_EMIT repaintNeeded();
}

void QuickSearchPasteInfItem::setQuickPasteBadgesShown(bool shown)
{
    if (quickPaste_ == shown)
        return;
    quickPaste_ = shown;
    Q_EMIT repaintNeeded();
}

void QuickSearchPasteInfItem::setQuickPasteModifierText(const QString& text)
{
    quickPasteModifierText_ = text;
    Q_EMIT repaintNeeded();
}

void QuickSearchPasteInfItem::setPlainTextBadgeShown(bool shown)
{
    if (plainText_ == shown)
        return;
    plainText_ = shown;
    Q_EMIT repaintNeeded();
}

void QuickSearchPasteInfItem::setHighlightText(const QString& text)
{
    if (highlight_ == text)
        return;
    highlight_ = text;
    Q_EMIT repaintNeeded();
}

QString QuickSearchPasteInfItem::previewText(const QString& text)
{
    QString line = PasteInfRow::previewOf(text).trimmed();
    // Words on either side of a line break stay apart.
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QChar(0x2028), QLatin1Char(' '));
    line.replace(QChar(0x2029), QLatin1Char(' '));
    return line;
}

QSize QuickSearchPasteInfItem::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return {kCellWidth, kCellHeight};
}

void QuickSearchPasteInfItem::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QPalette& palette = option.palette;
    const bool selected = option.state & QStyle::State_Selected;
    const QRect card = option.rect.adjusted(kInsetX, kInsetY, -kInsetX, -kInsetY);
    if (card.width() <= 2 * kContentInset || card.height() <= kHeaderHeight)
        return;

    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                            QPainter::SmoothPixmapTransform);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(card), kCornerRadius, kCornerRadius);
    painter->setClipPath(outline);
    painter->fillPath(outline, selected ? palette.color(QPalette::Highlight) : palette.color(QPalette::Base));

    const QRect header(card.left(), card.top(), card.width(), kHeaderHeight);
    const QRect content =
        QRect(card.left(), header.bottom() + 1, card.width(), card.bottom() - header.bottom())
            .adjusted(kContentInset, 0, -kContentInset, 0);
    const QColor textColor = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);

    const QVariant value = index.data(QuickSearchPasteInfListModel::PasteInfRowRole);
    if (value.isValid()) {
        const PasteInfRow row = value.value<PasteInfRow>();
        paintHeader(painter, header, row, palette, dpr);
        // The preview keeps clear of the badges while they are shown.
        const int badges = badgesWidth(index.row());
        const QRect room = content.adjusted(0, 0, badges > 0 ? -(badges + kTextGap) : 0, 0);
        if (row.secretKind && !index.data(QuickSearchPasteInfListModel::SecretRevealedRole).toBool())
            paintSecretMask(painter, room, row, textColor);
        else
            paintContent(painter, room, row, textColor, option, dpr);
    } else {
        // Still being read: the shape of a row without its words.
        const QColor shade = mix(palette.color(QPalette::Base), palette.color(QPalette::Text), 0.12);
        painter->fillRect(header, mix(palette.color(QPalette::Base), palette.color(QPalette::Text), 0.06));
        painter->setPen(Qt::NoPen);
        painter->setBrush(shade);
        const int bar = content.height() / 5;
        painter->drawRoundedRect(
            QRectF(content.left(), content.center().y() - bar, content.width() * 0.8, bar), 3, 3);
        painter->drawRoundedRect(
            QRectF(content.left(), content.center().y() + bar / 2, content.width() * 0.5, bar), 3, 3);
    }
    painter->setClipping(false);
    // A thin outline keeps neighbouring cards apart on any background.
    painter->setPen(QPen(mix(palette.color(QPalette::Base), palette.color(QPalette::Text), 0.18), 1.0 / dpr));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(outline);
    paintBadges(painter, content, index.row(), option);
    painter->restore();
}

void QuickSearchPasteInfItem::paintHeader(QPainter* painter, const QRect& rect,
                                                  const PasteInfRow& row, const QPalette& palette,
                                                  qreal dpr) const
{
    const QColor background = row.headerBgColor && row.headerBgColor->isValid()
                                  ? *row.headerBgColor
                                  : mix(palette.color(QPalette::Base), palette.color(QPalette::Text), 0.1);
    QColor opaque = background;
    opaque.setAlpha(255);
    painter->fillRect(rect, opaque);

    int x = rect.left() + kContentInset;
    if (row.appBundleUrl && !row.appBundleUrl->isEmpty()) {
        const QPixmap icon = appIcon(*row.appBundleUrl, kIconSide, dpr);
        if (!icon.isNull())
            painter->drawPixmap(QPoint(x, rect.top() + (rect.height() - kIconSide) / 2), icon);
        x += kIconSide + kTextGap;
    }
    // A copy whose source is not known (nothing focused, Wayland) says so, in a quieter voice.
    QString name = row.appName.value_or(QString());
    QColor pen = textOn(opaque);
    if (name.isEmpty()) {
        name = LocalizedQuickView::unknownApplication();
        pen.setAlphaF(0.55);
    }
    const QFont font = pixelFont(QApplication::font(), kHeaderPixelSize, QFont::DemiBold);
    painter->setFont(font);
    painter->setPen(pen);
    const QRect textRect(x, rect.top(), rect.right() - kContentInset - x, rect.height());
    painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                      QFontMetrics(font).elidedText(ControlCharacters::escaped(name.left(200)),
                                                    Qt::ElideRight, textRect.width()));
}

void QuickSearchPasteInfItem::paintContent(QPainter* painter, const QRect& rect,
                                                   const PasteInfRow& row, const QColor& textColor,
                                                   const QStyleOptionViewItem& option, qreal dpr) const
{
    std::optional<PasteInfoDisplayType> type = row.displayType;
    QString text = row.previewText.value_or(QString());
    std::optional<QuickSearchCellPreview> preview;
    if (needsPreview(type) && thumbnails_) {
        preview = thumbnails_->preview(row, int(std::ceil(kPreviewSide * dpr)));
        if (!preview) {
            // Being read: an empty frame where the thumbnail goes.
            painter->setPen(QPen(mix(option.palette.color(QPalette::Base), textColor, 0.25), 1.0 / dpr));
            painter->setBrush(Qt::NoBrush);
            painter->drawRoundedRect(QRectF(rect.left() + 0.5, rect.center().y() - kPreviewSide / 2.0 + 0.5,
                                            kPreviewSide - 1, kPreviewSide - 1),
                                     2, 2);
            return;
        }
        // Content that could not be read leaves the row's own kind (and an empty preview).
        if (preview->displayType)
            type = preview->displayType;
        if (!preview->text.isEmpty())
            text = preview->text;
    }

    switch (type.value_or(PasteInfoDisplayType::Unknown)) {
    case PasteInfoDisplayType::Text:
    case PasteInfoDisplayType::PlainText:
    case PasteInfoDisplayType::RichTextFormat:
    case PasteInfoDisplayType::RichTextFormatDocument:
    case PasteInfoDisplayType::Link:
        paintText(painter, rect, previewText(text), textColor);
        return;
    case PasteInfoDisplayType::Color: {
        const QString code = ColorHandle::normalizedColorText(text);
        const QRectF swatch(rect.left() + 0.5, rect.center().y() - kPreviewSide / 2.0 + 0.5, kPreviewSide - 1,
                            kPreviewSide - 1);
        painter->setPen(QPen(option.palette.color(QPalette::Mid), 0.5));
        painter->setBrush(ColorHandle::colorFromHex(code).value_or(QColor(Qt::transparent)));
        painter->drawRoundedRect(swatch, 2, 2);
        paintText(painter, rect.adjusted(kPreviewSide + kTextGap, 0, 0, 0), code, textColor);
        return;
    }
    case PasteInfoDisplayType::Image: {
        QImage thumbnail = preview ? preview->thumbnail : QImage();
        if (thumbnail.isNull())
            return;
        thumbnail.setDevicePixelRatio(thumbnail.height() / qreal(kPreviewSide));
        const QSizeF size = thumbnail.deviceIndependentSize();
        const QRectF target(rect.left(), rect.center().y() - size.height() / 2.0 + 0.5,
                            std::min<qreal>(size.width(), rect.width()), size.height());
        painter->drawImage(target, thumbnail,
                           QRectF(0, 0, target.width() * thumbnail.devicePixelRatio(), thumbnail.height()));
        return;
    }
    case PasteInfoDisplayType::File: {
        const QStringList names = preview ? preview->fileNames : QStringList();
        const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
        const int side = 32;
        painter->drawPixmap(
            QPoint(rect.left() + (kPreviewSide - side) / 2, rect.top() + (rect.height() - side) / 2),
            icon.pixmap(QSize(side, side), dpr));
        const QString label =
            names.size() == 1 ? names.first()
                              : QStringLiteral("%1 %2: %3")
                                    .arg(names.size())
                                    .arg(Localized::text("format.files"), names.join(QLatin1String(", ")));
        paintText(painter, rect.adjusted(kPreviewSide + kTextGap, 0, 0, 0), label, textColor);
        return;
    }
    case PasteInfoDisplayType::Unknown:
        paintText(painter, rect, Localized::text("pasteboard.unknown_type"), textColor);
        return;
    }
}

void QuickSearchPasteInfItem::paintSecretMask(QPainter* painter, const QRect& rect, const PasteInfRow& row,
                                                      const QColor& color) const
{
    // A row of dots where the text would be, then what it is.
    const QFont font = pixelFont(QApplication::font(), kTextPixelSize);
    painter->setFont(font);
    QColor dim = color;
    dim.setAlphaF(0.6);
    painter->setPen(dim);
    const QString label = LocalizedQuickView::secretMask(*row.secretKind, row.secretLength);
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.height();
    const QRect dots(rect.left(), rect.center().y() - lineHeight, rect.width(), lineHeight);
    painter->drawText(dots, Qt::AlignLeft | Qt::AlignVCenter, QString(12, QChar(0x2022)));
    painter->setPen(color);
    const QRect text(rect.left(), rect.center().y(), rect.width(), lineHeight);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(label, Qt::ElideRight, rect.width()));
}

void QuickSearchPasteInfItem::paintText(QPainter* painter, const QRect& rect, const QString& text,
                                                const QColor& color) const
{
    if (text.isEmpty() || rect.width() <= 0)
        return;
    // Whatever the row's text holds, it reads as written: controls show as escapes.
    const QString shown = ControlCharacters::escaped(text, ControlCharacters::Tabs::Kept);
    const QFont font = pixelFont(QApplication::font(), kTextPixelSize);
    const QFontMetricsF metrics(font);
    // Word-wrapped into at most two lines; the last one ends in an ellipsis when text is left.
    QTextLayout layout(shown, font);
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrap);
    struct Line
    {
        QString text;
        qsizetype start;
    };
    QList<Line> lines;
    layout.beginLayout();
    for (int i = 0; i < kMaxTextLines; ++i) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(rect.width());
        const bool last = i == kMaxTextLines - 1 || line.textStart() + line.textLength() >= shown.size();
        QString part = shown.mid(line.textStart(), last ? -1 : line.textLength());
        if (last)
            part = metrics.elidedText(part, Qt::ElideRight, rect.width());
        lines.append({part, line.textStart()});
        if (last)
            break;
    }
    layout.endLayout();

    const QList<SearchHelper::MatchRange> matches =
        SearchHelper::matchRanges(shown, highlight_, kMaxHighlightsPerRow);
    const qreal lineHeight = metrics.lineSpacing();
    qreal top = rect.top() + (rect.height() - lineHeight * lines.size()) / 2.0;
    painter->setPen(color);
    for (const Line& line : std::as_const(lines)) {
        QTextLayout lineLayout(line.text, font);
        lineLayout.setFormats(highlightFormats(matches, line.start, line.text.size()));
        lineLayout.beginLayout();
        QTextLine textLine = lineLayout.createLine();
        // Already cut to fit: one line, however wide.
        textLine.setLineWidth(rect.width() * 2.0 + 100);
        lineLayout.endLayout();
        lineLayout.draw(painter, QPointF(rect.left(), top));
        top += lineHeight;
    }
}

QStringList QuickSearchPasteInfItem::badgeTexts(int row) const
{
    QStringList texts;
    if (quickPaste_ && row >= 0 && row <= 9)
        texts.append(quickPasteModifierText_ + QString::number((row + 1) % 10));
    if (plainText_)
        texts.append(QStringLiteral("Aa"));
    return texts;
}

int QuickSearchPasteInfItem::badgesWidth(int row) const
{
    const QFontMetrics metrics(pixelFont(QApplication::font(), kBadgePixelSize, QFont::Medium));
    int width = 0;
    for (const QString& text : badgeTexts(row))
        width += (width > 0 ? 5 : 0) + metrics.horizontalAdvance(text) + 10;
    return width;
}

void QuickSearchPasteInfItem::paintBadges(QPainter* painter, const QRect& content, int row,
                                                  const QStyleOptionViewItem& option) const
{
    const QStringList texts = badgeTexts(row);
    if (texts.isEmpty())
        return;
    const QPalette& palette = option.palette;
    const QFont font = pixelFont(QApplication::font(), kBadgePixelSize, QFont::Medium);
    const QFontMetrics metrics(font);
    painter->setFont(font);
    int right = content.right();
    auto badge = [&](const QString& text) {
        const QSize size(metrics.horizontalAdvance(text) + 10, metrics.height() + 4);
        const QRectF box(right - size.width() + 0.5, content.center().y() - size.height() / 2.0 + 0.5,
                         size.width() - 1, size.height() - 1);
        painter->setPen(QPen(palette.color(QPalette::Mid), 0.6));
        painter->setBrush(mix(palette.color(QPalette::Base), palette.color(QPalette::Highlight), 0.3));
        painter->drawRoundedRect(box, kCornerRadius, kCornerRadius);
        painter->setPen(palette.color(QPalette::Text));
        painter->drawText(box, Qt::AlignCenter, text);
        right -= size.width() + 5;
    };
    // The quick-paste badge at the right edge, the plain-text one left of it.
    for (const QString& text : texts)
        badge(text);
}

QPixmap QuickSearchPasteInfItem::appIcon(const QString& path, int size, qreal dpr) const
{
    if (!iconLookup_)
        return {};
    const QString key = path + QLatin1Char('@') + QString::number(dpr);
    if (const QPixmap* cached = icons_.object(key))
        return *cached;
    const QImage image = iconLookup_(path);
    // Not read yet: asked again at the next paint, which the icon's arrival brings.
    if (image.isNull())
        return {};
    const int pixels = int(std::ceil(size * dpr));
    QPixmap pixmap =
        QPixmap::fromImage(image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(dpr);
    icons_.insert(key, new QPixmap(pixmap));
    return pixmap;
}
