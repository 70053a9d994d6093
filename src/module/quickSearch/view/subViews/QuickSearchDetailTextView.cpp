#include "module/quickSearch/view/subViews/QuickSearchDetailTextView.h"

#include "app/Localized.h"
#include "module/quickSearch/view/QuickSearchDetailContent.h"
#include "view/base/ThemeColors.h"

#include <QLabel>
#include <QCoreApplication>
#include <QLocale>
#include <QPlainTextDocumentLayout>
#include <QThread>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

constexpr int kTextPointSize = 13;
constexpr int kInset = 10;

template <typename Edit> void configure(Edit* edit)
{
    edit->setReadOnly(true);
    edit->setFrameShape(QFrame::NoFrame);
    edit->setUndoRedoEnabled(false);
    // Selectable with the mouse, but never the keyboard's home: keys stay with the search field.
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->document()->setDocumentMargin(kInset);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = edit->font();
    font.setPointSize(kTextPointSize);
    edit->setFont(font);
}

} // namespace

QuickSearchDetailTextView::QuickSearchDetailTextView(QWidget* parent)
    : QWidget(parent), stack_(new QStackedLayout), plainView_(new QPlainTextEdit(this)),
      richView_(new QTextEdit(this)), cutNote_(new QLabel(this))
{
    configure(plainView_);
    configure(richView_);
    plainView_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    richView_->setAcceptRichText(true);
    stack_->addWidget(plainView_);
    stack_->addWidget(richView_);

    cutNote_->setWordWrap(true);
    cutNote_->setContentsMargins(kInset, 4, kInset, 4);
    ThemeColors::dim(cutNote_);
    cutNote_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(stack_, 1);
    layout->addWidget(cutNote_);
}

void QuickSearchDetailTextView::setContent(const QuickSearchDetailContent& content, bool keepPosition)
{
    if (content.plain) {
        const int position = keepPosition && stack_->currentWidget() == plainView_
                                 ? plainView_->verticalScrollBar()->value()
                                 : 0;
        // The system colours: a plain text never carries its own.
        plainView_->setPalette(QPalette());
        if (content.document) {
            plainView_->setDocument(content.document.get());
            document_ = content.document;
        } else {
            plainView_->setPlainText(content.text);
        }
        plainView_->verticalScrollBar()->setValue(position);
        stack_->setCurrentWidget(plainView_);
    } else {
        showRich(content);
        stack_->setCurrentWidget(richView_);
    }
    if (content.isCut()) {
        const QLocale locale;
        cutNote_->setText(LocalizedQuickView::textCut(locale.toString(content.text.size()),
                                                      locale.toString(content.textLength)));
    }
    cutNote_->setVisible(content.isCut());
}

void QuickSearchDetailTextView::showRich(const QuickSearchDetailContent& content)
{
    QPalette palette;
    if (content.background) {
        // The page the document was written on, with the text's own colours.
        palette.setColor(QPalette::Base, *content.background);
        palette.setColor(QPalette::Text, QColor(Qt::black));
    }
    richView_->setPalette(palette);

    auto* document = richView_->document();
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QTextCharFormat base;
    base.setFontPointSize(kTextPointSize);
    bool first = true;
    for (const RtfParagraph& paragraph : content.paragraphs) {
        if (!first)
            cursor.insertBlock();
        first = false;
        for (const RtfRun& run : paragraph.runs) {
            QTextCharFormat format = base;
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run.italic);
            format.setFontUnderline(run.underline);
            if (run.fontSize > 0)
                format.setFontPointSize(run.fontSize);
            if (run.foreground && content.background)
                format.setForeground(*run.foreground);
            if (run.background && content.background)
                format.setBackground(*run.background);
            cursor.insertText(run.text, format);
        }
    }
    cursor.endEditBlock();
    richView_->moveCursor(QTextCursor::Start);
}

QFont QuickSearchDetailTextView::textFont() const
{
    return plainView_->font();
}

std::shared_ptr<QTextDocument> QuickSearchDetailTextView::plainDocument(const QString& text,
                                                                        const QFont& font)
{
    auto* document = new QTextDocument;
    document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    document->setDefaultFont(font);
    document->setDocumentMargin(kInset);
    document->setUndoRedoEnabled(false);
    document->setPlainText(text);
    if (QCoreApplication* app = QCoreApplication::instance())
        document->moveToThread(app->thread());
    return std::shared_ptr<QTextDocument>(document, [](QTextDocument* gone) { gone->deleteLater(); });
}

QString QuickSearchDetailTextView::shownText() const
{
    return stack_->currentWidget() == plainView_ ? plainView_->toPlainText() : richView_->toPlainText();
}

bool QuickSearchDetailTextView::isCutNoteShown() const
{
    return !cutNote_->isHidden();
}

QWidget* QuickSearchDetailTextView::currentTextWidget() const
{
    return stack_->currentWidget();
}
