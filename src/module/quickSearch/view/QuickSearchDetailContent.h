#pragma once

#include "model/HistoryReader.h"
#include "model/PasteBoardUtils.h"
#include "model/PasteInfoDisplayType.h"
#include "model/RtfReader.h"
#include "platform/PasteboardItem.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

class CoreDataManager;
class QTextDocument;

// What the preview shows of one item, made ready off the GUI thread: texts already cut to what a
// view can lay out quickly, images decoded at a bounded size, colours parsed. The GUI thread only
// puts it into a view.
struct QuickSearchDetailContent
{
    enum class Kind
    {
        text,
        image,
        files,
        color,
        web,
        unknown,
        nothing, // a value the display type cannot show (unreadable rich text)
    };

    // At most this many UTF-16 code units of a text are laid out (about 1 MB of text): a longer
    // text is cut there, and the view says so.
    static constexpr qsizetype maxShownTextLength = qsizetype(1) << 20;
    // Rich text longer than this is shown as plain text: building a formatted document of that
    // size would hold up the GUI thread.
    static constexpr qsizetype maxRichTextLength = qsizetype(256) << 10;
    // Images are decoded to fit the pane (never beyond this side), so the GUI thread only
    // draws them.
    static constexpr int maxImageSide = 2048;

    Kind kind = Kind::unknown;
    std::optional<PasteInfoDisplayType> displayType;

    // Text content.
    QString text;             // what is shown, cut to maxShownTextLength
    qsizetype textLength = 0; // the whole text's length in UTF-16 code units
    bool plain = true;
    // The search's free text, whose matches the view marks.
    QString highlight;
    QList<RtfParagraph> paragraphs;   // the formatted runs of rich text
    std::optional<QColor> background; // the page colour rich text declares
    // Plain text already laid into a document off the GUI thread (owned by the GUI thread).
    std::shared_ptr<QTextDocument> document;

    // Image content.
    QImage image;          // decoded to fit maxImageSide
    QSize imageSize{0, 0}; // the stored image's own size; 0 x 0 when it cannot be decoded
    QByteArray imageData;  // the stored bytes, for saving (shared with the store's cache)

    QList<FileEntry> files;
    QString colorText; // normalised
    std::optional<QColor> color;
    QUrl url;

    bool isCut() const { return text.size() < textLength; }

    // Classifies and decodes an item's content. linkPreview: links that may be shown as a web
    // page (the preference is on and the build has a web view); imageBox: the pane's size in
    // device pixels, which images are decoded to fit; a first classification is recorded in
    // `store` when given. Runs on any thread.
    static QuickSearchDetailContent prepare(CoreDataManager* store, const PasteInfRow& row,
                                            const std::optional<PasteboardItems>& items, bool linkPreview,
                                            const QSize& imageBox = {});

    // True for the links the preview may load: http and https with a host.
    static bool isPreviewableUrl(const QUrl& url);
};
