#pragma once

#include "model/HistoryReader.h"
#include "module/quickSearch/view/QuickSearchDetailContent.h"
#include "platform/PasteboardItem.h"

#include <QDateTime>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class CoreDataManager;
class IconCache;
class Preferences;
class QAbstractItemView;
class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QuickSearchDetailColorView;
class QuickSearchDetailFilesView;
class QuickSearchDetailImageView;
class QuickSearchDetailSecretView;
class QuickSearchDetailTextView;
class QuickSearchDetailUnknownView;
class QuickSearchDetailWebView;
class Workspace;

// The preview beside the result list: a header with the item's kind, age and size and the icon
// of the application it came from, above the item in full, shown by its kind.
//
// The content is read on the store's reader thread and made ready (classified, decoded, cut) on
// a worker; the GUI thread only puts it into a view. A load that finishes after the selection
// moved on is dropped.
class QuickSearchPasteInfDetailView : public QWidget
{
    Q_OBJECT
public:
    using ContentLoader =
        std::function<void(qint64 id, std::function<void(const std::optional<PasteboardItems>& items)> done)>;

    // The start of a long text's stored plain text and the whole text's size in bytes; an empty
    // start when there is none.
    using TextStartLoader =
        std::function<void(qint64 id, std::function<void(const QString& start, qint64 totalBytes)> done)>;

    // iconCache: application icons (none shows none). Without a loader, content comes from
    // the store's loadContent, and the start of a long text from loadTextStart. The store and
    // the preferences (link previews) must outlive the view.
    QuickSearchPasteInfDetailView(CoreDataManager& store, const Preferences& preferences,
                                  IconCache* iconCache, ContentLoader loader = {}, QWidget* parent = nullptr);
    ~QuickSearchPasteInfDetailView() override;
    void setTextStartLoader(TextStartLoader loader);

    // Shows an item, or the unknown mark for none.
    void showItem(const std::optional<PasteInfRow>& row);
    // Shows the current row of a result list (its model's PasteInfRowRole) from now on.
    void follow(QAbstractItemView* list);
    void setWorkspace(Workspace* workspace);
    // Loads the shown link's page when it waits for the user to ask; false when there is none.
    bool loadLinkPreview();
    // Shows the shown secret, masked until now (the followed list's cell too); false when no
    // secret is masked.
    bool revealSecret();
    // The search's free text: its matches are marked in the texts shown from now on.
    void setHighlightText(const QString& text);

    // The date as the summary line writes it, relative to now.
    static QString dateText(const std::optional<QDateTime>& date,
                            const QDateTime& now = QDateTime::currentDateTime());

    QString summaryText() const;
    // "3 selected" while the followed list has more than one row selected, else empty.
    QString selectionCountText() const;
    std::optional<QString> shownUuid() const;
    QuickSearchDetailContent::Kind shownKind() const { return shownKind_; }
    QWidget* currentContentView() const;
    QuickSearchDetailTextView* textView();
    QuickSearchDetailImageView* imageView();
    QuickSearchDetailFilesView* filesView();
    QuickSearchDetailColorView* colorView();
    QuickSearchDetailWebView* webView();
    // The masked secret's view; null until a secret was shown.
    QuickSearchDetailSecretView* secretView() const { return secretView_; }
    // The text read in the shown image; hidden when there is none.
    QPlainTextEdit* imageTextView() const { return imageText_; }

protected:
    void showEvent(QShowEvent* event) override;

Q_SIGNALS:
    // The content of the shown item is in its view.
    void contentShown(const QString& uuid);
    // The first screen of a long text is shown while the rest is still read.
    void textStartShown(const QString& uuid);

private:
    struct Shared;
    void showCurrentRow();
    void apply(const QuickSearchDetailContent& content);
    bool showPreviewText(const PasteInfRow& row);
    void loadTextStart(const PasteInfRow& row, quint64 generation);
    void setSummary(const QString& third);
    void showContentView(QWidget* view);
    void refreshIcon();
    void refreshSelectionCount();

    CoreDataManager& store_;
    const Preferences& preferences_;
    IconCache* iconCache_;
    QPointer<Workspace> workspace_;
    QWidget* headerContainerView_;
    QLabel* titleInfoText_;
    QLabel* selectionCount_;
    QLabel* appIcon_;
    QStackedWidget* contentView_;
    QuickSearchDetailTextView* textContainer_ = nullptr;
    QuickSearchDetailImageView* imageView_ = nullptr;
    QuickSearchDetailUnknownView* unknownView_ = nullptr;
    QuickSearchDetailFilesView* filesView_ = nullptr;
    QuickSearchDetailColorView* colorView_ = nullptr;
    QuickSearchDetailWebView* webView_ = nullptr;
    QuickSearchDetailSecretView* secretView_ = nullptr;
    QPlainTextEdit* imageText_ = nullptr;
    // The secret revealed here when no list is followed.
    std::optional<qint64> revealedId_;
    bool isRevealed(const PasteInfRow& row) const;
    QWidget* blank_;
    QPointer<QAbstractItemView> followed_;
    bool followPending_ = false;
    std::optional<PasteInfRow> pasteInf_;
    QString highlight_;
    std::optional<PasteInfoDisplayType> shownType_;
    QuickSearchDetailContent::Kind shownKind_ = QuickSearchDetailContent::Kind::unknown;
    // The shown item's content is in (a text's start no longer has a place); its text's start
    // is up.
    bool contentApplied_ = false;
    bool startShown_ = false;
    // A slow load blanks the previous item's content instead of leaving it up.
    QTimer slowLoad_;
    std::shared_ptr<Shared> shared_;
};
