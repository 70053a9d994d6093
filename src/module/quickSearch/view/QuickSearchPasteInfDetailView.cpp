#include "module/quickSearch/view/QuickSearchPasteInfDetailView.h"

#include "common/Dispatch.h"
#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "model/PasteBoardUtils.h"
#include "model/Preferences.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailColorView.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailFilesView.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailImageView.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailSecretView.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailTextView.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailUnknownView.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailWebView.h"
#include "platform/IconCache.h"
#include "platform/Platform.h"
#include "platform/Workspace.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <atomic>

namespace {

const QString kTag = QStringLiteral("QuickSearchPasteInfDetailView");
constexpr int kHeaderHeight = 30;
constexpr int kHeaderInset = 5;
constexpr int kIconSize = 22;
constexpr int kSummaryPointSize = 13;
// How long the previous item's content may stay up while the next one loads.
constexpr int kSlowLoadMs = 100;
// A text longer than this is first shown from the start of its stored plain text: reading and
// decoding it whole takes long enough to be seen. The start fills any pane.
constexpr qint64 kTwoStepTextBytes = qint64(1) << 20;
constexpr qsizetype kTextStartBytes = qsizetype(32) << 10;

} // namespace

struct QuickSearchPasteInfDetailView::Shared
{
    ContentLoader loader;
    TextStartLoader textStartLoader;
    // The load the view waits for; any other that finishes is stale.
    std::atomic<quint64> generation{0};
};

QuickSearchPasteInfDetailView::QuickSearchPasteInfDetailView(CoreDataManager& store,
                                                             const Preferences& preferences,
                                                             IconCache* iconCache, ContentLoader loader,
                                                             QWidget* parent)
    : QWidget(parent), store_(store), preferences_(preferences), iconCache_(iconCache),
      headerContainerView_(new QWidget(this)), titleInfoText_(new QLabel(headerContainerView_)),
      selectionCount_(new QLabel(headerContainerView_)), appIcon_(new QLabel(headerContainerView_)),
      contentView_(new QStackedWidget(this)), blank_(new QWidget(contentView_)),
      shared_(std::make_shared<Shared>())
{
    if (loader) {
        shared_->loader = std::move(loader);
    } else {
        shared_->loader = [&store](qint64 id,
                                   std::function<void(const std::optional<PasteboardItems>&)> done) {
            store.loadContent(id, std::move(done));
        };
        shared_->textStartLoader = [&store](qint64 id, std::function<void(const QString&, qint64)> done) {
            store.loadTextStart(
                id, kTextStartBytes,
                [done = std::move(done)](const std::optional<CoreDataManager::TextStart>& start) {
                    if (start)
                        done(start->text, start->totalBytes);
                    else
                        done({}, 0);
                });
        };
    }

    headerContainerView_->setFixedHeight(kHeaderHeight);
    headerContainerView_->setAutoFillBackground(true);
    // Button is a shade off the window's background in light and dark themes alike; many dark
    // themes leave AlternateBase at Qt's light default, where the summary could not be read.
    headerContainerView_->setBackgroundRole(QPalette::Button);
    headerContainerView_->setForegroundRole(QPalette::ButtonText);
    QFont summaryFont = titleInfoText_->font();
    summaryFont.setPointSize(kSummaryPointSize);
    titleInfoText_->setFont(summaryFont);
    titleInfoText_->setTextFormat(Qt::PlainText);
    appIcon_->setFixedSize(kIconSize, kIconSize);
    appIcon_->setScaledContents(true);
    auto* header = new QHBoxLayout(headerContainerView_);
    header->setContentsMargins(kHeaderInset, 0, kHeaderInset, 0);
    header->addWidget(titleInfoText_, 1);
    selectionCount_->setFont(summaryFont);
    selectionCount_->setTextFormat(Qt::PlainText);
    selectionCount_->hide();
    header->addWidget(selectionCount_);
    header->addSpacing(kHeaderInset);
    header->addWidget(appIcon_);

    contentView_->addWidget(blank_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(headerContainerView_);
    layout->addWidget(contentView_, 1);
    // The text read in an image, under it; selectable, so it can be copied.
    imageText_ = new QPlainTextEdit(this);
    imageText_->setReadOnly(true);
    imageText_->setFrameShape(QFrame::NoFrame);
    imageText_->setMaximumHeight(120);
    imageText_->hide();
    layout->addWidget(imageText_);

    slowLoad_.setSingleShot(true);
    slowLoad_.setInterval(kSlowLoadMs);
    connect(&slowLoad_, &QTimer::timeout, this, [this] { showContentView(blank_); });
    // Made now, hidden, so the panel's window is ready for a page before it is first shown.
    if (QuickSearchDetailWebView::isAvailable())
        webView();
    if (iconCache_)
        connect(iconCache_, &IconCache::iconLoaded, this, [this](const QString& path) {
            if (pasteInf_ && pasteInf_->appBundleUrl == path)
                refreshIcon();
        });
}

QuickSearchPasteInfDetailView::~QuickSearchPasteInfDetailView()
{
    ++shared_->generation;
}

void QuickSearchPasteInfDetailView::setTextStartLoader(TextStartLoader loader)
{
    shared_->textStartLoader = std::move(loader);
}

void QuickSearchPasteInfDetailView::follow(QAbstractItemView* list)
{
    followed_ = list;
    connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &QuickSearchPasteInfDetailView::showCurrentRow);
    // A row still being paged in arrives later; so does a list emptied by a search.
    connect(list->model(), &QAbstractItemModel::dataChanged, this,
            [this, list](const QModelIndex& first, const QModelIndex& last, const QList<int>& roles) {
                const int row = list->currentIndex().row();
                const bool revealed = roles.contains(QuickSearchPasteInfListModel::SecretRevealedRole);
                if (row >= first.row() && row <= last.row() && (!pasteInf_ || revealed))
                    showCurrentRow();
            });
    connect(list->model(), &QAbstractItemModel::modelReset, this,
            &QuickSearchPasteInfDetailView::showCurrentRow);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &QuickSearchPasteInfDetailView::refreshSelectionCount);
    connect(list->model(), &QAbstractItemModel::modelReset, this,
            &QuickSearchPasteInfDetailView::refreshSelectionCount);
}

void QuickSearchPasteInfDetailView::refreshSelectionCount()
{
    qint64 count = 0;
    // By ranges: a selection of a million rows is one range, not a million indexes.
    if (followed_)
        for (const QItemSelectionRange& range : followed_->selectionModel()->selection())
            count += range.height();
    selectionCount_->setText(count > 1 ? LocalizedQuickView::nSelected(QLocale().toString(count))
                                       : QString());
    selectionCount_->setVisible(count > 1);
}

QString QuickSearchPasteInfDetailView::selectionCountText() const
{
    return selectionCount_->text();
}

void QuickSearchPasteInfDetailView::setHighlightText(const QString& text)
{
    highlight_ = text;
}

void QuickSearchPasteInfDetailView::showCurrentRow()
{
    // Hidden, nothing is read: copies that arrive while the window is away move the selection
    // without anyone looking. The row is shown when the window is.
    if (!followed_ || !isVisible()) {
        followPending_ = true;
        return;
    }
    followPending_ = false;
    const QVariant value = followed_->currentIndex().data(QuickSearchPasteInfListModel::PasteInfRowRole);
    showItem(value.isValid() ? std::optional<PasteInfRow>(value.value<PasteInfRow>()) : std::nullopt);
}

void QuickSearchPasteInfDetailView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (followPending_)
        showCurrentRow();
}

void QuickSearchPasteInfDetailView::setWorkspace(Workspace* workspace)
{
    workspace_ = workspace;
    if (filesView_)
        filesView_->setWorkspace(workspace);
}

QString QuickSearchPasteInfDetailView::dateText(const std::optional<QDateTime>& date, const QDateTime& now)
{
    if (!date || !date->isValid())
        return LocalizedFormat::unknowDate();
    const QLocale locale;
    const QDateTime local = date->toLocalTime();
    const QDate today = now.toLocalTime().date();
    if (local.date() == today) {
        if (std::abs(local.secsTo(now)) < 60)
            return LocalizedFormat::justNow();
        return locale.toString(local.time(), QLocale::ShortFormat);
    }
    if (local.date() == today.addDays(-1))
        return LocalizedFormat::yesterday() + QLatin1Char(' ') +
               locale.toString(local.time(), QLocale::ShortFormat);
    return locale.toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(local.time(), QLocale::ShortFormat);
}

void QuickSearchPasteInfDetailView::showItem(const std::optional<PasteInfRow>& row)
{
    const quint64 generation = ++shared_->generation;
    imageText_->hide();
    if (!row || revealedId_ != row->id)
        revealedId_.reset();
    pasteInf_ = row;
    contentApplied_ = false;
    startShown_ = false;
    shownType_ = row ? row->displayType : std::nullopt;
    if (!row) {
        slowLoad_.stop();
        appIcon_->clear();
        appIcon_->setToolTip({});
        shownKind_ = QuickSearchDetailContent::Kind::unknown;
        setSummary({});
        if (!unknownView_)
            contentView_->addWidget(unknownView_ = new QuickSearchDetailUnknownView(contentView_));
        showContentView(unknownView_);
        return;
    }
    if (webView_)
        webView_->unload();
    refreshIcon();
    appIcon_->setToolTip(row->appName.value_or(QString()));
    setSummary({});
    // A masked secret's content is not even read.
    if (row->secretKind && !isRevealed(*row)) {
        slowLoad_.stop();
        if (!secretView_) {
            contentView_->addWidget(secretView_ = new QuickSearchDetailSecretView(contentView_));
            connect(secretView_, &QuickSearchDetailSecretView::revealRequested, this,
                    &QuickSearchPasteInfDetailView::revealSecret);
        }
        secretView_->setSecret(*row->secretKind, row->secretLength);
        shownKind_ = QuickSearchDetailContent::Kind::unknown;
        showContentView(secretView_);
        return;
    }
    if (!showPreviewText(*row))
        slowLoad_.start();
    else if (row->previewText->size() >= PasteInfRow::previewTextLength)
        loadTextStart(*row, generation); // read before the content: the reader is one queue

    const bool linkPreview =
        !row->secretKind && QuickSearchDetailWebView::isAvailable() && preferences_.autoPreviewLink();
    const std::weak_ptr<Shared> weak = shared_;
    QPointer<QuickSearchPasteInfDetailView> self(this);
    const QFont font = textView()->textFont();
    const QSize imageBox = contentView_->size() * devicePixelRatioF();
    shared_->loader(row->id, [weak, self, generation, row = *row, linkPreview, imageBox, font,
                              highlight = highlight_,
                              store = &store_](const std::optional<PasteboardItems>& items) {
        const std::shared_ptr<Shared> shared = weak.lock();
        if (!shared || shared->generation != generation)
            return;
        // Decoding goes to the pool, so the reader is free for the next selection.
        Dispatch::global([weak, self, generation, row, items, linkPreview, font, imageBox, highlight, store] {
            {
                const std::shared_ptr<Shared> shared = weak.lock();
                if (!shared || shared->generation != generation)
                    return;
            }
            QuickSearchDetailContent content =
                QuickSearchDetailContent::prepare(store, row, items, linkPreview, imageBox);
            content.highlight = highlight;
            if (content.kind == QuickSearchDetailContent::Kind::text && content.plain)
                content.document = QuickSearchDetailTextView::plainDocument(content.text, font, highlight);
            Dispatch::main([self, generation, content] {
                if (self && self->shared_->generation == generation)
                    self->apply(content);
            });
        });
    });
}

bool QuickSearchPasteInfDetailView::showPreviewText(const PasteInfRow& row)
{
    // A text's start is in its display row already: shown at once, it is the first screen
    // while the whole text is read. A row not classified yet is judged by its types and start.
    // A start of blank lines stands first in the pane; what comes after them is no first screen.
    if (!row.previewText || row.previewSkipsBlankStart)
        return false;
    switch (row.displayType ? *row.displayType : PasteBoardUtils::displayTypeOf(row)) {
    case PasteInfoDisplayType::Text:
    case PasteInfoDisplayType::PlainText:
    case PasteInfoDisplayType::RichTextFormat:
    case PasteInfoDisplayType::RichTextFormatDocument:
        break;
    default:
        return false;
    }
    QuickSearchDetailContent start;
    start.kind = QuickSearchDetailContent::Kind::text;
    start.text = *row.previewText;
    start.textLength = start.text.size();
    start.highlight = highlight_;
    slowLoad_.stop();
    textView()->setContent(start);
    showContentView(textContainer_);
    startShown_ = true;
    return true;
}

void QuickSearchPasteInfDetailView::loadTextStart(const PasteInfRow& row, quint64 generation)
{
    if (!shared_->textStartLoader)
        return;
    const std::weak_ptr<Shared> weak = shared_;
    QPointer<QuickSearchPasteInfDetailView> self(this);
    const QFont font = textView()->textFont();
    shared_->textStartLoader(row.id, [weak, self, generation, font, uuid = row.uuid,
                                      highlight = highlight_](const QString& start, qint64 totalBytes) {
        const std::shared_ptr<Shared> shared = weak.lock();
        if (start.isEmpty() || totalBytes <= kTwoStepTextBytes || !shared || shared->generation != generation)
            return;
        Dispatch::global([self, generation, font, start, uuid, highlight] {
            QuickSearchDetailContent content;
            content.kind = QuickSearchDetailContent::Kind::text;
            content.text = start;
            content.textLength = start.size();
            content.highlight = highlight;
            content.document = QuickSearchDetailTextView::plainDocument(start, font, highlight);
            Dispatch::main([self, generation, content, uuid] {
                if (!self || self->shared_->generation != generation || self->contentApplied_)
                    return;
                self->textView()->setContent(content, true);
                self->showContentView(self->textContainer_);
                Q_EMIT self->textStartShown(uuid);
            });
        });
    });
}

void QuickSearchPasteInfDetailView::apply(const QuickSearchDetailContent& content)
{
    using Kind = QuickSearchDetailContent::Kind;
    slowLoad_.stop();
    // A text's start stands in the same view: reading on should not send the reader back up.
    const bool keepPosition = startShown_ && !contentApplied_;
    contentApplied_ = true;
    if (content.displayType)
        shownType_ = content.displayType;
    shownKind_ = content.kind;
    const QLocale locale;
    switch (content.kind) {
    case Kind::text:
        textView()->setContent(content, keepPosition);
        setSummary(locale.toString(content.textLength) + QLatin1Char(' ') + LocalizedFormat::chars());
        showContentView(textContainer_);
        break;
    case Kind::image:
        imageView()->setImage(content.image, content.imageData);
        if (pasteInf_ && pasteInf_->imageText && !pasteInf_->imageText->isEmpty()) {
            imageText_->setPlainText(*pasteInf_->imageText);
            imageText_->show();
        }
        setSummary(QString::number(content.imageSize.width(), 'f', 1) + QStringLiteral(" X ") +
                   QString::number(content.imageSize.height(), 'f', 1));
        showContentView(imageView_);
        break;
    case Kind::files:
        filesView()->setFiles(content.files);
        setSummary(locale.toString(content.files.size()) + QLatin1Char(' ') + LocalizedFormat::files());
        showContentView(filesView_);
        break;
    case Kind::color:
        if (!colorView_)
            contentView_->addWidget(colorView_ = new QuickSearchDetailColorView(contentView_));
        colorView_->setColor(content.colorText, content.color);
        setSummary({});
        showContentView(colorView_);
        break;
    case Kind::web:
        setSummary({});
        showContentView(webView());
        webView_->showUrl(content.url, preferences_.autoLoadLinkPreview());
        break;
    case Kind::unknown:
        if (!unknownView_)
            contentView_->addWidget(unknownView_ = new QuickSearchDetailUnknownView(contentView_));
        setSummary({});
        showContentView(unknownView_);
        break;
    case Kind::nothing:
        // Unreadable content leaves the area empty and the summary as it was.
        showContentView(blank_);
        break;
    }
    if (pasteInf_)
        Q_EMIT contentShown(pasteInf_->uuid);
}

bool QuickSearchPasteInfDetailView::isRevealed(const PasteInfRow& row) const
{
    if (revealedId_ == row.id)
        return true;
    if (!followed_)
        return false;
    const QModelIndex current = followed_->currentIndex();
    return current.data(QuickSearchPasteInfListModel::RowIdRole).toLongLong() == row.id &&
           current.data(QuickSearchPasteInfListModel::SecretRevealedRole).toBool();
}

bool QuickSearchPasteInfDetailView::revealSecret()
{
    if (!pasteInf_ || !pasteInf_->secretKind || isRevealed(*pasteInf_))
        return false;
    const PasteInfRow row = *pasteInf_;
    // The list's model keeps what is revealed, so the cell shows it too; it tells this view.
    auto* model = followed_ ? qobject_cast<QuickSearchPasteInfListModel*>(followed_->model()) : nullptr;
    if (model && model->rowOf(row.id) >= 0) {
        model->revealSecret(row.id);
        if (pasteInf_ && pasteInf_->id == row.id && isRevealed(row))
            return true;
    }
    revealedId_ = row.id;
    showItem(row);
    return true;
}

void QuickSearchPasteInfDetailView::setSummary(const QString& third)
{
    QStringList parts;
    if (pasteInf_ && !shownType_) {
        parts.append(dateText(pasteInf_->date));
    } else {
        parts.append(LocalizedPasteBoardType::name(shownType_.value_or(PasteInfoDisplayType::Unknown)));
        parts.append(dateText(pasteInf_ ? std::optional<QDateTime>(pasteInf_->date) : std::nullopt));
    }
    if (!third.isEmpty())
        parts.append(third);
    titleInfoText_->setText(parts.join(QStringLiteral(" \u00B7 ")));
}

void QuickSearchPasteInfDetailView::showContentView(QWidget* view)
{
    if (contentView_->currentWidget() == view)
        return;
    contentView_->setCurrentWidget(view);
}

void QuickSearchPasteInfDetailView::refreshIcon()
{
    QImage icon;
    if (iconCache_ && pasteInf_ && pasteInf_->appBundleUrl)
        icon = iconCache_->icon(*pasteInf_->appBundleUrl);
    if (icon.isNull()) {
        appIcon_->clear();
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(icon.scaled(QSize(kIconSize, kIconSize) * devicePixelRatioF(),
                                                    Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    appIcon_->setPixmap(pixmap);
}

QString QuickSearchPasteInfDetailView::summaryText() const
{
    return titleInfoText_->text();
}

std::optional<QString> QuickSearchPasteInfDetailView::shownUuid() const
{
    return pasteInf_ ? std::optional<QString>(pasteInf_->uuid) : std::nullopt;
}

QWidget* QuickSearchPasteInfDetailView::currentContentView() const
{
    return contentView_->currentWidget();
}

QuickSearchDetailTextView* QuickSearchPasteInfDetailView::textView()
{
    if (!textContainer_)
        contentView_->addWidget(textContainer_ = new QuickSearchDetailTextView(contentView_));
    return textContainer_;
}

QuickSearchDetailImageView* QuickSearchPasteInfDetailView::imageView()
{
    if (!imageView_)
        contentView_->addWidget(imageView_ = new QuickSearchDetailImageView(contentView_));
    return imageView_;
}

QuickSearchDetailFilesView* QuickSearchPasteInfDetailView::filesView()
{
    if (!filesView_) {
        contentView_->addWidget(filesView_ = new QuickSearchDetailFilesView(contentView_));
        filesView_->setWorkspace(workspace_);
    }
    return filesView_;
}

QuickSearchDetailColorView* QuickSearchPasteInfDetailView::colorView()
{
    return colorView_;
}

bool QuickSearchPasteInfDetailView::loadLinkPreview()
{
    if (!webView_ || contentView_->currentWidget() != webView_ || !webView_->isLoadOffered())
        return false;
    webView_->loadPreview();
    return true;
}

QuickSearchDetailWebView* QuickSearchPasteInfDetailView::webView()
{
    if (!webView_)
        contentView_->addWidget(webView_ = new QuickSearchDetailWebView(contentView_));
    return webView_;
}
