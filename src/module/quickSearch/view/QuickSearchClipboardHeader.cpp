#include "module/quickSearch/view/QuickSearchClipboardHeader.h"

#include "model/Localized.h"
#include "view/base/MenuText.h"

#include <QActionGroup>
#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace {
// An up and a down chevron, the sign of a list to choose from; drawn, as themes seldom have it.
QIcon chevronsIcon(const QColor& color)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0, 3.0}) {
        QPixmap pixmap(QSize(14, 14) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({{3.5, 5.5}, {7, 2.5}, {10.5, 5.5}}));
        painter.drawPolyline(QPolygonF({{3.5, 8.5}, {7, 11.5}, {10.5, 8.5}}));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
} // namespace

QuickSearchClipboardHeader::QuickSearchClipboardHeader(QWidget* parent)
    : QWidget(parent), name_(new QLineEdit(this)), button_(new QToolButton(this)), menu_(new QMenu(this)),
      clipboardGroup_(new QActionGroup(this))
{
    QFont nameFont = name_->font();
    nameFont.setPointSizeF(15);
    name_->setFont(nameFont);
    name_->setFrame(false);
    name_->setReadOnly(true);
    name_->setFocusPolicy(Qt::NoFocus);
    name_->setAttribute(Qt::WA_MacShowFocusRect, false);
    name_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setNameFilled(false);
    name_->setCursor(Qt::PointingHandCursor);
    // The field's frame and text margins take a few pixels of its width.
    nameRoom_ = std::clamp(QFontMetrics(nameFont).horizontalAdvance(LocalizedQuickView::clipboardHistory()) + 8,
                           nameWidth, maxNameWidth);
    name_->setFixedWidth(nameRoom_);
    // A click on the name opens the clipboard menu, as the chevrons beside it do.
    name_->installEventFilter(this);
    connect(name_, &QLineEdit::editingFinished, this, &QuickSearchClipboardHeader::endRename);

    button_->setIcon(chevronsIcon(palette().color(QPalette::WindowText)));
    button_->setIconSize(QSize(14, 14));
    button_->setAutoRaise(true);
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setFixedSize(28, 28);
    button_->setToolTip(LocalizedQuickView::clipboardHistory());
    connect(button_, &QToolButton::clicked, this, [this] { popUpMenu(button_); });

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
    showTitle();
}

void QuickSearchClipboardHeader::setClipboards(const QList<PasteCategoryInfModel>& clipboards,
                                               const QString& selectedUuid)
{
    for (QAction* action : clipboardGroup_->actions()) {
        clipboardGroup_->removeAction(action);
        delete action;
    }
    for (const PasteCategoryInfModel& clipboard : clipboards) {
        auto* action = new QAction(MenuText::escaped(clipboard.title.value_or(QStringLiteral("default"))),
                                   clipboardGroup_);
        action->setCheckable(true);
        action->setChecked(clipboard.uuid == selectedUuid);
        const QString uuid = clipboard.uuid.value_or(QString());
        connect(action, &QAction::triggered, this, [this, uuid] { Q_EMIT clipboardChosen(uuid); });
        menu_->insertAction(clipboardsEnd_, action);
        if (clipboard.uuid == selectedUuid && !renaming_) {
            title_ = clipboard.title.value_or(QStringLiteral("default"));
            showTitle();
        }
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
    setNameFilled(true);
    name_->setFocusPolicy(Qt::StrongFocus);
    name_->setCursor(Qt::IBeamCursor);
    name_->setText(title_);
    name_->setToolTip({});
    name_->setFocus(Qt::OtherFocusReason);
    name_->selectAll();
    // Ahead of the window's key map, which would take Return for a paste and Escape for hiding.
    qApp->installEventFilter(this);
}

bool QuickSearchClipboardHeader::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == name_ && !renaming_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        popUpMenu(name_);
        return true;
    }
    if (watched == name_ && renaming_ && event->type() == QEvent::KeyPress) {
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
    setNameFilled(false);
    name_->setFocusPolicy(Qt::NoFocus);
    name_->setCursor(Qt::PointingHandCursor);
    name_->deselect();
    name_->clearFocus();
    const QString typed = name_->text().trimmed();
    showTitle();
    Q_EMIT renameFinished(typed);
}

void QuickSearchClipboardHeader::setNameFilled(bool filled)
{
    // A title on the panel's background; a field to type in while renaming.
    QPalette namePalette = palette();
    if (!filled)
        namePalette.setColor(QPalette::Base, Qt::transparent);
    name_->setPalette(namePalette);
}

void QuickSearchClipboardHeader::popUpMenu(QWidget* anchor)
{
    if (renaming_)
        return;
    const QPoint below(0, anchor->height() + anchor->height() / 4);
    menu_->popup(anchor->mapToGlobal(below));
}

void QuickSearchClipboardHeader::showTitle()
{
    const int room = nameRoom_ - 8;
    const QString shown = name_->fontMetrics().elidedText(title_, Qt::ElideRight, room);
    name_->setText(shown);
    name_->setToolTip(shown == title_ ? QString() : title_);
    name_->setCursorPosition(0);
}
