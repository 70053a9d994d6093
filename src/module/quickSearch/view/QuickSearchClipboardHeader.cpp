#include "module/quickSearch/view/QuickSearchClipboardHeader.h"

#include "app/Localized.h"

#include <QActionGroup>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include <algorithm>

QuickSearchClipboardHeader::QuickSearchClipboardHeader(QWidget* parent)
    : QWidget(parent), name_(new QLineEdit(QStringLiteral("default"), this)), button_(new QToolButton(this)),
      menu_(new QMenu(this)), clipboardGroup_(new QActionGroup(this))
{
    QFont nameFont = name_->font();
    nameFont.setPointSizeF(15);
    name_->setFont(nameFont);
    name_->setFrame(false);
    name_->setReadOnly(true);
    name_->setFocusPolicy(Qt::NoFocus);
    name_->setAttribute(Qt::WA_MacShowFocusRect, false);
    name_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette namePalette = name_->palette();
    namePalette.setColor(QPalette::Base, Qt::transparent);
    name_->setPalette(namePalette);
    name_->setCursor(Qt::ArrowCursor);
    connect(name_, &QLineEdit::editingFinished, this, &QuickSearchClipboardHeader::endRename);
    connect(name_, &QLineEdit::textChanged, this, &QuickSearchClipboardHeader::fitName);

    button_->setIcon(QIcon::fromTheme(QStringLiteral("pan-down-symbolic")));
    if (button_->icon().isNull())
        button_->setText(QStringLiteral("⌄"));
    button_->setAutoRaise(true);
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setFixedSize(28, 28);
    button_->setToolTip(LocalizedQuickView::clipboardHistory());
    connect(button_, &QToolButton::clicked, this, &QuickSearchClipboardHeader::popUpMenu);

    clipboardGroup_->setExclusive(true);
    clipboardsEnd_ = menu_->addSeparator();
    rename_ = menu_->addAction(LocalizedMenu::rename(), this, &QuickSearchClipboardHeader::beginRename);
    add_ =
        menu_->addAction(LocalizedMenu::addNewClipBoard(), this, &QuickSearchClipboardHeader::addRequested);
    menu_->addSeparator();
    clear_ =
        menu_->addAction(LocalizedMenu::clearAllHistory(), this, &QuickSearchClipboardHeader::clearRequested);
    delete_ =
        menu_->addAction(LocalizedMenu::deleteItem(), this, &QuickSearchClipboardHeader::deleteRequested);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(name_);
    layout->addWidget(button_);
    fitName();
}

void QuickSearchClipboardHeader::setClipboards(const QList<PasteCategoryInfModel>& clipboards,
                                               const QString& selectedUuid)
{
    for (QAction* action : clipboardGroup_->actions()) {
        clipboardGroup_->removeAction(action);
        delete action;
    }
    for (const PasteCategoryInfModel& clipboard : clipboards) {
        auto* action = new QAction(clipboard.title.value_or(QStringLiteral("default")), clipboardGroup_);
        action->setCheckable(true);
        action->setChecked(clipboard.uuid == selectedUuid);
        const QString uuid = clipboard.uuid.value_or(QString());
        connect(action, &QAction::triggered, this, [this, uuid] { Q_EMIT clipboardChosen(uuid); });
        menu_->insertAction(clipboardsEnd_, action);
        if (clipboard.uuid == selectedUuid && !renaming_)
            name_->setText(clipboard.title.value_or(QStringLiteral("default")));
    }
    const bool isDefault = selectedUuid == kDefaultCategoryUUID;
    clear_->setEnabled(isDefault);
    delete_->setEnabled(!isDefault);
}

void QuickSearchClipboardHeader::beginRename()
{
    if (renaming_)
        return;
    renaming_ = true;
    name_->setReadOnly(false);
    name_->setFocusPolicy(Qt::StrongFocus);
    name_->setCursor(Qt::IBeamCursor);
    name_->setMinimumWidth(120);
    name_->setFocus(Qt::OtherFocusReason);
    name_->selectAll();
    // Ahead of the window's key map, which would take Return for a paste and Escape for hiding.
    qApp->installEventFilter(this);
}

bool QuickSearchClipboardHeader::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == name_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            endRename();
            return true;
        }
    }
    return false;
}

void QuickSearchClipboardHeader::endRename()
{
    if (!renaming_)
        return;
    renaming_ = false;
    qApp->removeEventFilter(this);
    name_->setReadOnly(true);
    name_->setFocusPolicy(Qt::NoFocus);
    name_->setCursor(Qt::ArrowCursor);
    name_->deselect();
    name_->clearFocus();
    fitName();
    Q_EMIT renameFinished(name_->text().trimmed());
}

void QuickSearchClipboardHeader::popUpMenu()
{
    if (renaming_)
        return;
    const QPoint below(0, button_->height() + button_->height() / 4);
    menu_->popup(button_->mapToGlobal(below));
}

void QuickSearchClipboardHeader::fitName()
{
    const int width = name_->fontMetrics().horizontalAdvance(name_->text()) + 8;
    name_->setMinimumWidth(renaming_ ? std::clamp(width, 120, 220) : std::min(width, 220));
    name_->setMaximumWidth(renaming_ ? 220 : std::min(width, 220));
}
