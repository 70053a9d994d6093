#include "module/quickSearch/QuickSearchViewController.h"

#include "common/Dispatch.h"
#include "common/Log.h"
#include "common/SerialQueue.h"
#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "model/Preferences.h"
#include "model/SearchEngine.h"
#include "module/quickSearch/QuickSearchHost.h"
#include "module/quickSearch/QuickSearchViewWindow.h"
#include "module/quickSearch/view/QuickSearchClipboardHeader.h"
#include "module/quickSearch/view/QuickSearchItemEditor.h"
#include "module/quickSearch/view/QuickSearchPasteInfDetailView.h"
#include "module/quickSearch/view/QuickSearchPasteInfItem.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "module/quickSearch/view/QuickSearchPasteInfListView.h"
#include "module/quickSearch/view/QuickSearchThumbnailCache.h"
#include "module/quickSearch/view/QuickSelectClipBoardView.h"
#include "platform/Clipboard.h"
#include "platform/IconCache.h"
#include "platform/KeyCombo.h"
#include "platform/KeyTable.h"
#include "view/base/Alert.h"
#include "view/base/ThemeColors.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString kTag = QStringLiteral("QuickSearchViewController");

// X11 scan codes of the number row: 10 is the key of 1, 19 the key of 0.
constexpr quint32 kFirstDigitScanCode = 10;
constexpr quint32 kLastDigitScanCode = 19;

bool holdsAll(quint32 held, quint32 wanted)
{
    return wanted != 0 && (held & wanted) == wanted;
}

// The row a digit key quick-pastes: 1 is the first row, 0 the tenth; -1 for other keys.
int quickPasteRow(int key, quint32 nativeScanCode)
{
    if (nativeScanCode != 0) {
        if (nativeScanCode < kFirstDigitScanCode || nativeScanCode > kLastDigitScanCode)
            return -1;
        return int(nativeScanCode - kFirstDigitScanCode);
    }
    if (key < Qt::Key_0 || key > Qt::Key_9)
        return -1;
    return (key - Qt::Key_0 + 9) % 10;
}

bool isReturn(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

QuickSearchKeyCommand QuickSearchViewController::commandForKey(int key, quint32 nativeScanCode,
                                                               quint32 modifiers,
                                                               const KeyPreferences& preferences,
                                                               bool listFocused)
{
    using Command = QuickSearchKeyCommand;
    const quint32 ctrl = CarbonModifier::command;
    const quint32 shift = CarbonModifier::shift;
    const quint32 super = CarbonModifier::control;

    if (holdsAll(modifiers, preferences.quickPasteModifier)) {
        const int row = quickPasteRow(key, nativeScanCode);
        if (row >= 0)
            return {Command::quickPaste, false,
                    holdsAll(modifiers, preferences.plainTextModifier) || preferences.pasteAsPlainText, row};
    }
    // Before the Ctrl commands: the chord is Ctrl+Tab by default.
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && preferences.switchClipboardModifier != 0 &&
        modifiers == preferences.switchClipboardModifier)
        return {Command::switchClipboard};
    // The Menu key arrives as a context menu request of the search field (see eventFilter).
    if (key == Qt::Key_F10 && modifiers == shift)
        return {Command::itemMenu};
    if (key == Qt::Key_F2 && modifiers == 0)
        return {Command::edit};
    // Taken only while a secret is masked or a link waits for "Load Preview" and the field is
    // empty; typed otherwise.
    if (key == Qt::Key_Space && modifiers == 0)
        return {Command::loadPreview};
    if (modifiers == 0 || modifiers == shift) {
        const bool extend = modifiers == shift;
        switch (key) {
        case Qt::Key_Up:
            return {Command::moveUp, extend};
        case Qt::Key_Down:
            return {Command::moveDown, extend};
        case Qt::Key_Home:
            return {Command::moveToFirst, extend};
        case Qt::Key_End:
            return {Command::moveToLast, extend};
        default:
            break;
        }
    }
    if (key == Qt::Key_Delete && modifiers == 0 && listFocused)
        return {Command::deleteSelected};
    // Ctrl+Backspace empties the field (the field's own Ctrl+Z brings the text back), so the
    // field's word deletion moves to Alt+Backspace; Ctrl+Delete stays the field's.
    if (key == Qt::Key_Backspace && modifiers == CarbonModifier::option)
        return {Command::deleteWord};
    if (isReturn(key)) {
        if (modifiers == 0)
            return {Command::paste, false, preferences.pasteAsPlainText};
        if (modifiers == preferences.plainTextModifier)
            return {Command::paste, false, true};
        if (modifiers == (ctrl | shift))
            return {Command::pasteInSequence, false, preferences.pasteAsPlainText};
        return {};
    }
    if (modifiers == ctrl || modifiers == (ctrl | shift)) {
        const bool extend = modifiers != ctrl;
        if (key == Qt::Key_Up)
            return {Command::moveToFirst, extend};
        if (key == Qt::Key_Down)
            return {Command::moveToLast, extend};
    }
    if (modifiers == ctrl) {
        switch (key) {
        case Qt::Key_C:
            return {Command::copy};
        case Qt::Key_X:
            return {Command::cut};
        case Qt::Key_F:
            return {Command::focusSearch};
        case Qt::Key_S:
            return {Command::save};
        case Qt::Key_Backspace:
            return {Command::clearSearch};
        case Qt::Key_Z:
            return {Command::undo};
        default:
            return {};
        }
    }
    if (modifiers == super) {
        switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            return {Command::deleteSelected};
        case Qt::Key_F:
            return {Command::moveSelectedToTop};
        default:
            return {};
        }
    }
    return {};
}

QuickSearchViewController::QuickSearchViewController(CoreDataManager& store, Preferences& preferences,
                                                     IconCache* iconCache, QMenu* menu,
                                                     const QString& databasePath, QWidget* parent)
    : QWidget(parent), store_(store), preferences_(preferences), menu_(menu),
      searchField_(new QLineEdit(this)), typeButton_(new QToolButton(this)),
      menuButton_(new QToolButton(this)), listView_(new QuickSearchPasteInfListView(this)),
      emptyText_(new QLabel(LocalizedQuickView::empty(), this)),
      thumbnails_(new QuickSearchThumbnailCache(store, {}, this)),
      clipboardHeader_(new QuickSearchClipboardHeader(this)),
      selector_(new QuickSelectClipBoardView(store, this)), itemMenu_(new QuickSearchPasteInfItemMenu(this)),
      delegate_(new QuickSearchPasteInfItem(thumbnails_, this)),
      model_(new QuickSearchPasteInfListModel(store, databasePath, this)),
      engine_(new SearchEngine(store, this)), loadingIndicator_(new QProgressBar(this)),
      matchQueue_(std::make_unique<SerialQueue>(QStringLiteral("brimble.quicksearch.match"))),
      undoAction_(new QAction(LocalizedMenu::undo(), this)), editor_(new QuickSearchItemEditor(this))
{
    engine_->setDatabasePath(databasePath);
    engine_->setTextsFile(SearchEngine::defaultTextsFile());

    QFont fieldFont = searchField_->font();
    fieldFont.setPointSizeF(20);
    searchField_->setFont(fieldFont);
    searchField_->setFrame(false);
    searchField_->setPlaceholderText(LocalizedQuickView::search());
    searchField_->setAttribute(Qt::WA_MacShowFocusRect, false);
    // The field sits on the panel's own background, like a title.
    QPalette fieldPalette = searchField_->palette();
    fieldPalette.setColor(QPalette::Base, Qt::transparent);
    fieldPalette.setColor(QPalette::PlaceholderText, ThemeColors::dimmed(fieldPalette, QPalette::Text, 0.45));
    searchField_->setPalette(fieldPalette);

    // The type filter rewrites the field's type clause; the search then runs as if typed.
    typeButton_->setText(LocalizedGeneral::filterType());
    typeButton_->setPopupMode(QToolButton::InstantPopup);
    typeButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    typeButton_->setAutoRaise(true);
    typeButton_->setFocusPolicy(Qt::NoFocus);
    QFont typeFont = typeButton_->font();
    typeFont.setPointSizeF(13);
    typeButton_->setFont(typeFont);
    auto* typeMenu = new QMenu(typeButton_);
    const QList<PasteInfoDisplayType>& types = SearchHelper::filterTypes();
    for (qsizetype index = 0; index < types.size(); ++index)
        connect(typeMenu->addAction(LocalizedPasteBoardType::name(types[index])), &QAction::triggered, this,
                [this, index] { chooseFilterType(index); });
    typeButton_->setMenu(typeMenu);

    // Drawn as text in the palette's colour: a theme's symbolic icon stays black on a dark panel.
    menuButton_->setText(QStringLiteral("⋯"));
    menuButton_->setAutoRaise(true);
    menuButton_->setFocusPolicy(Qt::NoFocus);
    QFont buttonFont = menuButton_->font();
    buttonFont.setPointSizeF(16);
    menuButton_->setFont(buttonFont);
    menuButton_->setFixedSize(32, 32);
    menuButton_->setVisible(menu_ != nullptr);
    connect(menuButton_, &QToolButton::clicked, this, &QuickSearchViewController::popUpMenu);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Plain);
    separator->setFixedHeight(1);
    separator->setForegroundRole(QPalette::Mid);

    listView_->setModel(model_);
    connect(listView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &QuickSearchViewController::notePicks);
    listView_->setItemDelegate(delegate_);
    if (iconCache) {
        delegate_->setIconLookup([iconCache](const QString& path) { return iconCache->icon(path); });
        connect(iconCache, &IconCache::iconLoaded, listView_->viewport(), qOverload<>(&QWidget::update));
    }
    connect(delegate_, &QuickSearchPasteInfItem::repaintNeeded, listView_->viewport(),
            qOverload<>(&QWidget::update));

    QFont emptyFont = emptyText_->font();
    emptyFont.setPointSizeF(20);
    emptyText_->setFont(emptyFont);
    emptyText_->setAlignment(Qt::AlignCenter);
    QPalette emptyPalette = emptyText_->palette();
    emptyPalette.setColor(QPalette::WindowText, fieldPalette.color(QPalette::PlaceholderText));
    emptyText_->setPalette(emptyPalette);
    emptyText_->setAttribute(Qt::WA_TransparentForMouseEvents);
    emptyText_->hide();

    // The preview of the current row, right of the list.
    detailView_ = new QuickSearchPasteInfDetailView(store, preferences, iconCache, {}, this);
    detailView_->follow(listView_);
    detailSeparator_ = new QFrame(this);
    detailSeparator_->setFrameShape(QFrame::VLine);
    detailSeparator_->setFrameShadow(QFrame::Plain);
    detailSeparator_->setFixedWidth(1);
    detailSeparator_->setForegroundRole(QPalette::Mid);
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(listView_, 1);
    body->addWidget(detailSeparator_);
    body->addWidget(detailView_, 1);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(12, 6, 8, 6);
    header->addWidget(searchField_, 1);
    header->addWidget(typeButton_);
    header->addWidget(clipboardHeader_);
    header->addWidget(menuButton_);
    banner_ = new QLabel(this);
    banner_->setWordWrap(true);
    banner_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    banner_->setContentsMargins(12, 6, 12, 6);
    banner_->setAutoFillBackground(true);
    QPalette bannerPalette = banner_->palette();
    bannerPalette.setColor(QPalette::Window, QColor(230, 160, 30, 60));
    banner_->setPalette(bannerPalette);
    banner_->hide();
    queueNotice_ = new QLabel(this);
    queueNotice_->setObjectName(QStringLiteral("pasteQueueNotice"));
    queueNotice_->setWordWrap(true);
    queueNotice_->setContentsMargins(12, 6, 12, 6);
    queueNotice_->setAutoFillBackground(true);
    QPalette queuePalette = queueNotice_->palette();
    queuePalette.setColor(QPalette::Window, ThemeColors::dimmed(queuePalette, QPalette::Highlight, 0.18));
    queueNotice_->setPalette(queuePalette);
    queueNotice_->hide();
    pasteNotice_ = new QLabel(this);
    pasteNotice_->setContentsMargins(12, 6, 12, 6);
    pasteNotice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pasteNotice_->setForegroundRole(QPalette::PlaceholderText);
    pasteNotice_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(header);
    // Says what is wrong with a type clause, which would otherwise only find nothing.
    typeHint_ = new QLabel(this);
    typeHint_->setContentsMargins(12, 0, 8, 4);
    typeHint_->setForegroundRole(QPalette::PlaceholderText);
    typeHint_->setWordWrap(true);
    typeHint_->hide();
    layout->addWidget(typeHint_);
    layout->addWidget(separator);
    layout->addWidget(banner_);
    layout->addWidget(queueNotice_);
    layout->addWidget(pasteNotice_);
    layout->addLayout(body, 1);

    // A double click pastes what Return would, with the modifiers held at the time.
    connect(listView_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!index.isValid())
            return;
        const Preferences& preferences = preferences_;
        const QuickSearchKeyCommand command =
            commandForKey(Qt::Key_Return, 0, KeyTable::carbonModifiers(QGuiApplication::keyboardModifiers()),
                          {preferences.quickPasteModifier(), preferences.plainTextModifier(),
                           preferences.pasteAsPlainText(), preferences.switchClipboardModifier()});
        if (command.kind == QuickSearchKeyCommand::paste)
            perform(command);
    });
    connect(searchField_, &QLineEdit::textChanged, this, &QuickSearchViewController::search);
    connect(searchField_, &QLineEdit::textEdited, this, [this] { historyUndoFirst_ = false; });
    searchField_->installEventFilter(this);
    connect(engine_, &SearchEngine::firstResults, this, &QuickSearchViewController::applyResults);
    connect(engine_, &SearchEngine::finished, this, [this](quint64 generation, const SearchResults& results) {
        if (generation != searchGeneration_)
            return;
        applyResults(generation, results);
        // The count only: what the user typed stays out of the log.
        Log::info(kTag, QStringLiteral("search shows %1 item(s)").arg(results.size()));
    });
    // A history that cannot be read is no reason for an endless progress bar (a damaged file says
    // so in the banner).
    connect(model_, &QuickSearchPasteInfListModel::loadFailed, this, [this] {
        loadingDelay_.stop();
        loadingIndicator_->hide();
    });
    connect(model_, &QuickSearchPasteInfListModel::unlistedAddedToTop, this,
            &QuickSearchViewController::matchNewItems);
    connect(model_, &QuickSearchPasteInfListModel::resultsOutdated, this,
            [this] { search(searchField_->text()); });
    connect(model_, &QuickSearchPasteInfListModel::firstRowsLoaded, this, [this] {
        loadingDelay_.stop();
        loadingIndicator_->hide();
        selectFirstRow();
        refreshEmptyState();
    });
    connect(model_, &QuickSearchPasteInfListModel::historyLoaded, this, [this] {
        historyLoaded_ = true;
        loadingDelay_.stop();
        loadingIndicator_->hide();
        Log::info(kTag, QStringLiteral("history shows %1 item(s)").arg(model_->rowCount()));
        // Rows shown before the rest of the history came keep the selection the user gave them.
        if (selectedRows().isEmpty())
            selectFirstRow();
        refreshEmptyState();
    });
    // A row put at the top while the first row is selected (a new copy) becomes the selection:
    // what was just copied is what Return pastes.
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int) {
        if (first == 0 && selectedRows().value(0, -1) <= 1)
            selectFirstRow();
        refreshEmptyState();
    });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] {
        if (listView_->selectionModel()->selectedIndexes().isEmpty() && model_->rowCount() > 0)
            moveSelection(std::min(anchorRow_, model_->rowCount() - 1), false);
        refreshEmptyState();
    });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        selectFirstRow();
        refreshEmptyState();
    });

    // A load that is quick (the usual case) shows no indicator at all, so nothing flickers.
    loadingIndicator_->setRange(0, 0);
    loadingIndicator_->setTextVisible(false);
    loadingIndicator_->setFixedSize(120, 6);
    loadingIndicator_->hide();
    loadingDelay_.setSingleShot(true);
    loadingDelay_.setInterval(150);
    connect(&loadingDelay_, &QTimer::timeout, this, [this] {
        loadingIndicator_->show();
        placeOverlays();
    });

    editor_->hide();
    connect(editor_, &QuickSearchItemEditor::saveRequested, this, [this] { storeEdit(false); });
    connect(editor_, &QuickSearchItemEditor::replaceRequested, this, [this] { storeEdit(true); });
    connect(editor_, &QuickSearchItemEditor::cancelRequested, this, &QuickSearchViewController::cancelEdit);

    connectClipboards();
    model_->loadHistory(selectedCategoryUuid_);
    loadingDelay_.start();
    reloadClipboards();
    store_.sweepExpired();
}

void QuickSearchViewController::setPasteNotice(const QString& text)
{
    pasteNotice_->setText(text);
    pasteNotice_->setVisible(!text.isEmpty());
}

void QuickSearchViewController::setBanner(const QString& text)
{
    banner_->setText(text);
    banner_->setVisible(!text.isEmpty());
}

void QuickSearchViewController::setHost(QuickSearchHost* host)
{
    host_ = host;
    detailView_->setWorkspace(host ? host->workspace() : nullptr);
}

void QuickSearchViewController::attachWindow(QuickSearchViewWindow& window)
{
    connect(&window, &QuickSearchViewWindow::keyDown, this, &QuickSearchViewController::onKeyDown);
    connect(&window, &QuickSearchViewWindow::modifiersChanged, this,
            &QuickSearchViewController::onModifiersChanged);
    // Modifiers let go of in another window are never reported here, and the badges answer
    // keys held in this window: once another window has the keyboard, they go.
    connect(&window, &QuickSearchViewWindow::resignedKey, this, &QuickSearchViewController::onResignKey);
    // Escape leaves the editor first; the panel stays.
    window.addEscapeHandler(
        [self = QPointer<QuickSearchViewController>(this)] { return self && self->cancelEdit(); });
}

void QuickSearchViewController::onResignKey()
{
    clearBadges();
    delegate_->setQuickPasteBadgesShown(false);
    delegate_->setPlainTextBadgeShown(false);
}

QuickSearchViewController::~QuickSearchViewController()
{
    // Its blocks use the engine, which goes with the children after this.
    matchQueue_.reset();
}

QList<int> QuickSearchViewController::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : listView_->selectionModel()->selectedIndexes())
        if (index.row() < model_->rowCount())
            rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool QuickSearchViewController::eventFilter(QObject* watched, QEvent* event)
{
    // The keyboard's menu key asks the focused field for its menu; the item's menu is meant.
    if (watched == searchField_ && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        perform({QuickSearchKeyCommand::itemMenu});
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void QuickSearchViewController::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // An edit left open when the panel went is still there to finish.
    if (editing_) {
        editor_->setFocus(Qt::ActiveWindowFocusReason);
        return;
    }
    searchField_->setFocus(Qt::ActiveWindowFocusReason);
    searchField_->selectAll();
    selectFirstRow();
    // Items that expired while the window was hidden leave before the user sees them; the list
    // follows the deletions.
    if (model_->isShowingHistory())
        store_.sweepExpired();
}

void QuickSearchViewController::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    clearBadges();
    // A secret shown stays shown only while the user looks at it.
    model_->hideSecrets();
    if (queueNotice_->isVisibleTo(this))
        Q_EMIT pasteQueueNoticeSeen();
}

void QuickSearchViewController::setPasteQueueNotice(const QString& text, bool running)
{
    queueNotice_->setText(running ? QStringLiteral("%1 \u2014 %2").arg(text, LocalizedQueue::escapeClears())
                                  : text);
    queueNotice_->setVisible(!text.isEmpty());
}

void QuickSearchViewController::notePicks(const QItemSelection& selected, const QItemSelection& deselected)
{
    for (const QModelIndex& index : deselected.indexes())
        picks_.removeAll(model_->idAt(index.row()));
    const QList<int> rows = selectedRows();
    if (!(QGuiApplication::keyboardModifiers() & Qt::ControlModifier)) {
        // A plain click starts the picks over; a range is no pick.
        picks_.clear();
        if (rows.size() == 1)
            picks_.append(model_->idAt(rows.first()));
        return;
    }
    for (const QModelIndex& index : selected.indexes()) {
        const qint64 id = model_->idAt(index.row());
        if (!picks_.contains(id))
            picks_.append(id);
    }
}

QList<qint64> QuickSearchViewController::queueOrder() const
{
    const QList<qint64> selected = selectedIds();
    bool picked = selected.size() == picks_.size();
    for (qint64 id : selected)
        picked = picked && picks_.contains(id);
    if (picked)
        return picks_;
    // The list shows the newest first; the queue pastes in the order they were copied.
    return QList<qint64>(selected.crbegin(), selected.crend());
}

void QuickSearchViewController::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeOverlays();
}

void QuickSearchViewController::placeOverlays()
{
    const QRect list = listView_->geometry();
    emptyText_->setGeometry(list.united(detailView_->geometry()));
    QRect indicator(QPoint(), loadingIndicator_->size());
    indicator.moveCenter(list.center());
    loadingIndicator_->setGeometry(indicator);
    loadingIndicator_->raise();
    selector_->setGeometry(0, listView_->y(), width(), height() - listView_->y());
    editor_->setGeometry(0, listView_->y(), width(), height() - listView_->y());
}

void QuickSearchViewController::chooseFilterType(qsizetype index)
{
    const std::optional<QString> text = SearchHelper::composeTypeClause(searchField_->text(), index);
    if (!text)
        return;
    searchField_->setFocus(Qt::OtherFocusReason);
    // setText runs the search through textChanged, as typing would.
    searchField_->setText(*text);
    searchField_->deselect();
    searchField_->end(false);
}

void QuickSearchViewController::search(const QString& text)
{
    query_ = text.trimmed();
    typeHint_->setVisible(false);
    // Marks follow the query the results will be for.
    const QString highlight = query_.isEmpty() ? QString() : SearchHelper::parseQuery(query_).text;
    delegate_->setHighlightText(highlight);
    detailView_->setHighlightText(highlight);
    if (query_.isEmpty()) {
        refreshEmptyState();
        engine_->cancel();
        searchGeneration_ = 0;
        if (!model_->isShowingHistory() || model_->categoryUuid() != selectedCategoryUuid_) {
            model_->loadHistory(selectedCategoryUuid_);
            loadingDelay_.start();
        }
        return;
    }
    parsedQuery_ = SearchHelper::parseQuery(query_);
    if (parsedQuery_.badTypeClause) {
        typeHint_->setText(
            LocalizedQuickView::badTypeClause(*parsedQuery_.badTypeClause, SearchHelper::typeClauseWords()));
        typeHint_->setVisible(true);
    }
    searchGeneration_ = engine_->search(selectedCategoryUuid_, parsedQuery_);
}

void QuickSearchViewController::applyResults(quint64 generation, const SearchResults& results)
{
    if (generation != searchGeneration_)
        return;
    model_->showResults(selectedCategoryUuid_, results);
}

void QuickSearchViewController::matchNewItems(const QList<qint64>& ids)
{
    if (query_.isEmpty())
        return;
    QPointer<QuickSearchViewController> self(this);
    SearchEngine* engine = engine_;
    const ParsedQuery query = parsedQuery_;
    const QString text = query_;
    const QString categoryUuid = selectedCategoryUuid_;
    matchQueue_->async([self, engine, query, text, categoryUuid, ids] {
        QList<qint64> matching;
        for (qint64 id : ids)
            if (engine->matches(categoryUuid, query, id).value_or(false))
                matching.append(id);
        if (matching.isEmpty())
            return;
        Dispatch::main([self, text, matching] {
            if (self && self->query_ == text && !self->model_->isShowingHistory())
                self->model_->insertAtTop(matching);
        });
    });
}

void QuickSearchViewController::onKeyDown(QKeyEvent* event)
{
    // The editor keeps its keys but its two chords.
    if (editing_) {
        event->setAccepted(editor_->handleKey(event->key(), event->modifiers()));
        return;
    }
    // The name being typed keeps its keys; the arrows move the grid's highlight while it shows.
    if (clipboardHeader_->isRenaming() || selector_->moveHighlight(event->key())) {
        event->setAccepted(!clipboardHeader_->isRenaming());
        return;
    }
    const Preferences& preferences = preferences_;
    const KeyPreferences keyPreferences{preferences.quickPasteModifier(), preferences.plainTextModifier(),
                                        preferences.pasteAsPlainText(),
                                        preferences.switchClipboardModifier()};
    const bool listFocused = window()->focusWidget() == listView_;
    const QuickSearchKeyCommand command =
        commandForKey(event->key(), event->nativeScanCode(), KeyTable::carbonModifiers(event->modifiers()),
                      keyPreferences, listFocused);
    if (command.kind != QuickSearchKeyCommand::none && perform(command)) {
        event->accept();
        return;
    }
    event->ignore();
    // Typing while the list has the keyboard goes on in the search field. The key is posted
    // again rather than sent: this runs inside the panel's key handling, which is not reentrant.
    const QString text = event->text();
    const bool typed = !text.isEmpty() && (text.at(0).isPrint() || event->key() == Qt::Key_Backspace) &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (listFocused && typed) {
        searchField_->setFocus(Qt::OtherFocusReason);
        QCoreApplication::postEvent(searchField_,
                                    new QKeyEvent(event->type(), event->key(), event->modifiers(),
                                                  event->nativeScanCode(), event->nativeVirtualKey(),
                                                  event->nativeModifiers(), text, event->isAutoRepeat(),
                                                  ushort(event->count())));
        event->accept();
    }
}

void QuickSearchViewController::onModifiersChanged(Qt::KeyboardModifiers modifiers)
{
    const quint32 quickPaste = preferences_.quickPasteModifier();
    const quint32 held = KeyTable::carbonModifiers(modifiers);
    // Letting go of the switch chord takes the highlighted clipboard.
    if (selector_->isVisible() && !holdsAll(held, preferences_.switchClipboardModifier()))
        selector_->finish();
    const bool shown = isVisible() && holdsAll(held, quickPaste);
    if (shown)
        delegate_->setQuickPasteModifierText(KeyTable::displayModifiersText(quickPaste));
    delegate_->setQuickPasteBadgesShown(shown);
    delegate_->setPlainTextBadgeShown(isVisible() && holdsAll(held, preferences_.plainTextModifier()));
}

void QuickSearchViewController::clearBadges()
{
    delegate_->setQuickPasteBadgesShown(false);
    delegate_->setPlainTextBadgeShown(false);
}

bool QuickSearchViewController::perform(const QuickSearchKeyCommand& command)
{
    const int count = model_->rowCount();
    const QModelIndex current = listView_->currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    switch (command.kind) {
    case QuickSearchKeyCommand::none:
        return false;
    case QuickSearchKeyCommand::moveUp:
        if (count > 0)
            moveSelection(std::max(0, row - 1), command.extendSelection);
        return true;
    case QuickSearchKeyCommand::moveDown:
        if (count > 0)
            moveSelection(std::min(count - 1, row + 1), command.extendSelection);
        return true;
    case QuickSearchKeyCommand::moveToFirst:
        if (count > 0)
            moveSelection(0, command.extendSelection);
        return true;
    case QuickSearchKeyCommand::moveToLast:
        if (count > 0)
            moveSelection(count - 1, command.extendSelection);
        return true;
    case QuickSearchKeyCommand::paste:
        writeRows(selectedRows(), command.plainText, true, false);
        return true;
    case QuickSearchKeyCommand::quickPaste:
        // Past the end the key is not ours (Ctrl+digit then does nothing in the field either).
        if (command.row >= count)
            return false;
        writeRows({command.row}, command.plainText, true, false);
        return true;
    case QuickSearchKeyCommand::copy:
        writeRows(selectedRows(), false, false, false);
        return true;
    case QuickSearchKeyCommand::pasteInSequence:
        pasteInSequence(command.plainText);
        return true;
    case QuickSearchKeyCommand::cut:
        writeRows(selectedRows(), false, false, true);
        return true;
    case QuickSearchKeyCommand::deleteSelected:
        deleteSelectedItems();
        return true;
    case QuickSearchKeyCommand::moveSelectedToTop: {
        const QList<qint64> ids = selectedIds();
        if (!ids.isEmpty())
            store_.movePasteInfsToTop(ids);
        return true;
    }
    case QuickSearchKeyCommand::save:
        saveSelectedItems();
        return true;
    case QuickSearchKeyCommand::switchClipboard:
        selector_->setGeometry(0, listView_->y(), width(), height() - listView_->y());
        selector_->show(clipBoards_, selectedCategoryUuid_);
        return true;
    case QuickSearchKeyCommand::itemMenu:
        if (row >= 0)
            showItemMenu(row, listView_->viewport()->mapToGlobal(listView_->visualRect(current).center()),
                         true);
        return true;
    case QuickSearchKeyCommand::edit:
        editCurrentItem();
        return true;
    case QuickSearchKeyCommand::loadPreview:
        return searchField_->text().isEmpty() && (detailView_->revealSecret() || detailView_->loadLinkPreview());
    case QuickSearchKeyCommand::focusSearch:
        searchField_->setFocus(Qt::ShortcutFocusReason);
        searchField_->selectAll();
        return true;
    case QuickSearchKeyCommand::clearSearch:
        // clear() is on the field's undo stack, unlike setText().
        searchField_->clear();
        historyUndoFirst_ = false;
        return true;
    case QuickSearchKeyCommand::deleteWord:
        if (!searchField_->hasSelectedText())
            searchField_->cursorWordBackward(true);
        searchField_->backspace();
        historyUndoFirst_ = false;
        return true;
    case QuickSearchKeyCommand::undo:
        if (undoable_ == UndoableChange::none || (!historyUndoFirst_ && searchField_->isUndoAvailable()))
            return false;
        undoLastChange();
        return true;
    }
    return false;
}

void QuickSearchViewController::moveSelection(int row, bool extend)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    if (!extend)
        anchorRow_ = row;
    anchorRow_ = std::min(anchorRow_, model_->rowCount() - 1);
    QItemSelectionModel* selection = listView_->selectionModel();
    const QModelIndex target = model_->index(row);
    selection->select(
        QItemSelection(model_->index(std::min(anchorRow_, row)), model_->index(std::max(anchorRow_, row))),
        QItemSelectionModel::ClearAndSelect);
    selection->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
    listView_->scrollTo(target);
}

void QuickSearchViewController::selectFirstRow()
{
    if (model_->rowCount() == 0) {
        listView_->selectionModel()->clear();
        return;
    }
    moveSelection(0, false);
}

void QuickSearchViewController::refreshEmptyState()
{
    const bool emptyHistory = historyLoaded_ && model_->isShowingHistory() && model_->rowCount() == 0;
    // A search that found nothing says so; an empty preview would read as an unknown item.
    const bool noMatches = !query_.isEmpty() && !model_->isShowingHistory() && model_->rowCount() == 0;
    const bool empty = emptyHistory || noMatches;
    emptyText_->setText(noMatches ? LocalizedQuickView::noMatches() : LocalizedQuickView::empty());
    emptyText_->setVisible(empty);
    detailView_->setVisible(!empty);
    detailSeparator_->setVisible(!empty);
    placeOverlays();
    emptyText_->raise();
}

QString QuickSearchViewController::emptyStateText() const
{
    return emptyText_->isHidden() ? QString() : emptyText_->text();
}

void QuickSearchViewController::writeRows(const QList<int>& rows, bool plainText, bool paste, bool cut)
{
    QList<qint64> ids;
    for (int row : rows)
        ids.append(model_->idAt(row));
    if (ids.isEmpty())
        return;
    RunningApplicationRef target;
    if (paste) {
        // Hiding first gives the keyboard back before the paste chord is sent.
        if (auto* window = qobject_cast<QuickSearchViewWindow*>(this->window()))
            window->resignMainWindow();
        if (host_)
            target = host_->pasteTarget();
    }
    QPointer<QuickSearchViewController> self(this);
    model_->performOnReader([self, ids, plainText, paste, cut, target, &store = store_,
                             &preferences = preferences_](HistoryReader& reader) {
        // The sizes are in the store: a selection past what one copy may hold is refused before
        // any of its content is read.
        const qint64 bytes = reader.contentBytes(ids).value_or(0);
        if (bytes > Clipboard::maxItemBytes) {
            Log::warning(kTag,
                         QStringLiteral("not writing %1 items of %2 bytes together, past the limit of %3")
                             .arg(ids.size())
                             .arg(bytes)
                             .arg(Clipboard::maxItemBytes));
            Dispatch::main([self, bytes] {
                if (!self)
                    return;
                constexpr qint64 mb = 1024 * 1024;
                QWidget* window = self->window()->isVisible() ? self->window() : nullptr;
                Alert::inform(
                    window, LocalizedAlert::alert(),
                    LocalizedAlert::tooLargeToCopy((bytes + mb - 1) / mb, Clipboard::maxItemBytes / mb),
                    QMessageBox::Warning);
            });
            return;
        }
        QList<PasteInfModel> models;
        for (const PasteInfRow& row : reader.rows(ids))
            if (std::optional<PasteInfModel> model = store.fetchPasteInf(row.uuid))
                models.append(*model);
        if (models.isEmpty()) {
            Log::warning(kTag,
                         QStringLiteral("nothing to write: the %1 selected items are gone").arg(ids.size()));
            return;
        }
        Dispatch::main([self, ids, models, plainText, paste, cut, target, &store, &preferences] {
            if (!self || !self->host_)
                return;
            self->host_->pasteItems(
                models, plainText, paste, target,
                [self, ids, paste, cut, &store, &preferences](const PasteOutcome& outcome) {
                    if (!outcome.isWritten())
                        return;
                    // pasteItems already takes them out with "delete after paste".
                    if (cut && !preferences.deleteAfterPasted())
                        Dispatch::main([self, ids, &store] {
                            if (self)
                                store.deletePasteInfIds(ids, self->keptChange(UndoableChange::cut), true);
                        });
                    else if (paste && !preferences.deleteAfterPasted() &&
                             preferences.autoMoveUsedItemToFirst())
                        store.movePasteInfsToTop(ids);
                });
        });
    });
}

void QuickSearchViewController::pasteInSequence(bool plainText)
{
    const QList<qint64> ids = queueOrder();
    if (ids.isEmpty())
        return;
    // As Return does: the panel goes, and the first item is pasted where it would paste.
    if (auto* window = qobject_cast<QuickSearchViewWindow*>(this->window()))
        window->resignMainWindow();
    const RunningApplicationRef target = host_ ? host_->pasteTarget() : RunningApplicationRef();
    QPointer<QuickSearchViewController> self(this);
    model_->performOnReader([self, ids, plainText, target, &store = store_](HistoryReader& reader) {
        QList<PasteInfModel> models;
        for (const PasteInfRow& row : reader.rows(ids))
            if (std::optional<PasteInfModel> model = store.fetchPasteInf(row.uuid))
                models.append(*model);
        if (models.isEmpty()) {
            Log::warning(kTag,
                         QStringLiteral("no paste queue: the %1 selected items are gone").arg(ids.size()));
            return;
        }
        Dispatch::main([self, models, plainText, target] {
            if (self && self->host_)
                self->host_->pasteInSequence(models, plainText, target);
        });
    });
}

void QuickSearchViewController::popUpMenu()
{
    if (!menu_)
        return;
    const QPoint below(0, menuButton_->height() + menuButton_->height() / 4);
    menu_->popup(menuButton_->mapToGlobal(below));
}
