#include "module/quickSearch/view/QuickSearchItemEditor.h"

#include "model/Localized.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailTextView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

QuickSearchItemEditor::QuickSearchItemEditor(QWidget* parent)
    : QWidget(parent), note_(new QLabel(LocalizedEditor::formattingDropped(), this)),
      edit_(new QPlainTextEdit(this)), message_(new QLabel(this)),
      hint_(new QLabel(this)),
      cancel_(new QPushButton(LocalizedAlert::cancel(), this)),
      replace_(new QPushButton(LocalizedEditor::replace(), this)),
      save_(new QPushButton(LocalizedEditor::save(), this))
{
    setObjectName(QStringLiteral("itemEditor"));
    // It covers the list: its own background, not the list's rows showing through.
    setAutoFillBackground(true);

    note_->setWordWrap(true);
    note_->setForegroundRole(QPalette::PlaceholderText);
    note_->hide();
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    message_->setContentsMargins(8, 4, 8, 4);
    message_->setAutoFillBackground(true);
    QPalette messagePalette = message_->palette();
    messagePalette.setColor(QPalette::Window, QColor(230, 160, 30, 60));
    message_->setPalette(messagePalette);
    message_->hide();
    hint_->setWordWrap(true);
    hint_->setForegroundRole(QPalette::PlaceholderText);
    QFont hintFont = hint_->font();
    hintFont.setPointSizeF(hintFont.pointSizeF() * 0.9);
    hint_->setFont(hintFont);

    // The text as large as the preview shows it.
    QFont textFont = edit_->font();
    textFont.setPointSize(QuickSearchDetailTextView::textPointSize);
    edit_->setFont(textFont);
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->setTabChangesFocus(false);
    // Plain text only: what is pasted into the editor loses its formatting too.
    edit_->document()->setDocumentMargin(6);
    save_->setDefault(true);
    // The keys named as Qt names them in the user's language, in the hint as in the tooltips.
    const QString saveKeys = QKeySequence(Qt::CTRL | Qt::Key_Return).toString(QKeySequence::NativeText);
    const QString replaceKeys = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Return).toString(QKeySequence::NativeText);
    const QString cancelKeys = QKeySequence(Qt::Key_Escape).toString(QKeySequence::NativeText);
    hint_->setText(LocalizedEditor::hint().arg(saveKeys, replaceKeys, cancelKeys));
    save_->setToolTip(saveKeys);
    replace_->setToolTip(replaceKeys);
    cancel_->setToolTip(cancelKeys);
    for (QPushButton* button : {cancel_, replace_, save_})
        button->setAutoDefault(false);

    connect(edit_, &QPlainTextEdit::textChanged, this, &QuickSearchItemEditor::refreshButtons);
    connect(save_, &QPushButton::clicked, this, &QuickSearchItemEditor::saveRequested);
    connect(replace_, &QPushButton::clicked, this, &QuickSearchItemEditor::replaceRequested);
    connect(cancel_, &QPushButton::clicked, this, &QuickSearchItemEditor::cancelRequested);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(hint_, 1);
    buttons->addWidget(cancel_);
    buttons->addWidget(replace_);
    buttons->addWidget(save_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->setSpacing(6);
    layout->addWidget(note_);
    layout->addWidget(edit_, 1);
    layout->addWidget(message_);
    layout->addLayout(buttons);
    setFocusProxy(edit_);
}

void QuickSearchItemEditor::open(const QString& text, bool formattingDropped)
{
    original_ = text;
    busy_ = false;
    edit_->setPlainText(text);
    edit_->moveCursor(QTextCursor::End);
    note_->setVisible(formattingDropped);
    setMessage({});
    refreshButtons();
}

QString QuickSearchItemEditor::text() const
{
    return edit_->toPlainText();
}

void QuickSearchItemEditor::setMessage(const QString& message)
{
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
}

QString QuickSearchItemEditor::message() const
{
    return message_->isHidden() ? QString() : message_->text();
}

void QuickSearchItemEditor::setBusy(bool busy)
{
    busy_ = busy;
    refreshButtons();
}

bool QuickSearchItemEditor::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    modifiers &= ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier) {
        Q_EMIT saveRequested();
        return true;
    }
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        Q_EMIT replaceRequested();
        return true;
    }
    return false;
}

void QuickSearchItemEditor::refreshButtons()
{
    const bool filled = !edit_->document()->isEmpty();
    save_->setEnabled(filled && !busy_);
    replace_->setEnabled(filled && !busy_);
    if (filled && message_->text() == LocalizedEditor::empty())
        setMessage({});
}
