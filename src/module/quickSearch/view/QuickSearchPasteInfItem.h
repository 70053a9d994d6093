#pragma once

#include <QCache>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QStyledItemDelegate>

#include <functional>

class QuickSearchThumbnailCache;
struct PasteInfRow;

// The history item cell of the result list (a delegate of the list view), painted from the row's PasteInfRow (the list
// model's PasteInfRowRole): a header with the source application (icon, name, its header
// colour) over a preview of the content by kind. A row that has not arrived, an image still
// being scaled and an icon still being read paint as placeholders; nothing here reads the store
// or a file. The window sets the badge flags while the modifiers are held.
class QuickSearchPasteInfItem : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // Logical pixels.
    static constexpr int kCellWidth = 270;
    static constexpr int kCellHeight = 72;
    static constexpr int kHeaderHeight = 20;

    // Application icons by the item's app path (IconCache::icon fits): called on the GUI thread,
    // it must answer at once, a null image while the icon is being read.
    using IconLookup = std::function<QImage(const QString& path)>;

    explicit QuickSearchPasteInfItem(QuickSearchThumbnailCache* thumbnails,
                                             QObject* parent = nullptr);

    void setIconLookup(IconLookup lookup);
    // Shows "Ctrl+1" .. "Ctrl+0" on the first ten rows (modifier text given, "Ctrl+" by default).
    void setQuickPasteBadgesShown(bool shown);
    void setQuickPasteModifierText(const QString& text);
    // Shows the plain-text badge ("Aa") on every row.
    void setPlainTextBadgeShown(bool shown);
    // Marks where the search's free text occurs in each row's text (empty marks nothing).
    void setHighlightText(const QString& text);
    QString highlightText() const { return highlight_; }
    bool quickPasteBadgesShown() const { return quickPaste_; }
    bool plainTextBadgeShown() const { return plainText_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The preview line of a text: from its first non-blank character, at most a row's worth
    // of it (a row never lays out more than that), every line break shown as one space.
    static QString previewText(const QString& text);

Q_SIGNALS:
    // A thumbnail, an icon or the badges changed: repaint the visible rows.
    void repaintNeeded();

private:
    void paintHeader(QPainter* painter, const QRect& rect, const PasteInfRow& row, const QPalette& palette,
                     qreal dpr) const;
    void paintContent(QPainter* painter, const QRect& rect, const PasteInfRow& row, const QColor& textColor,
                      const QStyleOptionViewItem& option, qreal dpr) const;
    void paintText(QPainter* painter, const QRect& rect, const QString& text, const QColor& color) const;
    // What a secret's cell shows until it is revealed: its kind and length, never its text.
    void paintSecretMask(QPainter* painter, const QRect& rect, const PasteInfRow& row, const QColor& color) const;
    void paintBadges(QPainter* painter, const QRect& content, int row,
                     const QStyleOptionViewItem& option) const;
    QStringList badgeTexts(int row) const;
    int badgesWidth(int row) const;
    QPixmap appIcon(const QString& path, int size, qreal dpr) const;

    QuickSearchThumbnailCache* thumbnails_;
    IconLookup iconLookup_;
    mutable QCache<QString, QPixmap> icons_{128};
    QString quickPasteModifierText_ = QStringLiteral("Ctrl+");
    bool quickPaste_ = false;
    bool plainText_ = false;
    QString highlight_;
};
