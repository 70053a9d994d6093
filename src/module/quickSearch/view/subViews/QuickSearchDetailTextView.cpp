#include "module/quickSearch/view/subViews/QuickSearchDetailTextView.h"

#include "model/Localized.h"
#include "model/SearchHelper.h"
#include "module/quickSearch/view/QuickSearchDetailContent.h"
#include "view/base/ThemeColors.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextEdit>
#include <QThread>
#include <QVBoxLayout>

namespace {

constexpr int kInset = 10;
// Marks a block that continues the line of the block before it (a piece of a long line).
constexpr int kContinuationProperty = QTextFormat::UserProperty + 1;

// Splits what QTextCursor::insertText splits into blocks.
bool isBlockSeparator(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
}

// Where the piece of a line that starts at `from` ends: after a space in the second half of the
// allowed length, else at the last character boundary within it, never inside a surrogate pair.
qsizetype pieceEnd(const QString& text, qsizetype from, qsizetype lineEnd)
{
    const qsizetype max = QuickSearchDetailTextView::maxPieceLength;
    if (lineEnd - from <= max)
        return lineEnd;
    const qsizetype limit = from + max;
    for (qsizetype k = limit; k > from + max / 2; --k)
        if ((text.at(k - 1) == u' ' || text.at(k - 1) == u'\t') && !text.at(k).isMark())
            return k;
    // A few characters past the limit, so the finder sees the whole cluster that crosses it.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme,
                               text.sliced(from, std::min(lineEnd, limit + 64) - from));
    finder.setPosition(max);
    const qsizetype boundary = finder.isAtBoundary() ? max : finder.toPreviousBoundary();
    if (boundary > max / 2)
        return from + boundary;
    // One cluster of a thousand marks: cut it, but not a character in two.
    return text.at(limit - 1).isHighSurrogate() ? limit - 1 : limit;
}

QTextCharFormat markFormat()
{
    QTextCharFormat format;
    format.setBackground(ThemeColors::matchBackground());
    format.setForeground(ThemeColors::matchForeground());
    return format;
}

bool isMarked(const QTextCharFormat& format)
{
    return format.background().style() != Qt::NoBrush &&
           format.background().color() == ThemeColors::matchBackground();
}

// The selected text with the pieces of long lines joined again and a line feed between lines.
QString joinedText(const QTextCursor& selection)
{
    const QString selected = selection.selectedText();
    QString text;
    text.reserve(selected.size());
    QTextBlock block = selection.document()->findBlock(selection.selectionStart());
    for (const QChar c : selected) {
        if (c != QChar::ParagraphSeparator) {
            text += c;
            continue;
        }
        block = block.next();
        if (!block.blockFormat().boolProperty(kContinuationProperty))
            text += u'\n';
    }
    return text;
}

// Copies what is selected as the text it was, not as the pieces it is shown in.
class PlainTextView : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    QMimeData* createMimeDataFromSelection() const override
    {
        auto* data = new QMimeData;
        data->setText(joinedText(textCursor()));
        return data;
    }
};

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
    font.setPointSize(QuickSearchDetailTextView::textPointSize);
    edit->setFont(font);
}

} // namespace

QuickSearchDetailTextView::QuickSearchDetailTextView(QWidget* parent)
    : QWidget(parent), stack_(new QStackedLayout), plainView_(new PlainTextView(this)),
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
        // Without a document made on a worker the text is short (a row's start): made here.
        std::shared_ptr<QTextDocument> document =
            content.document ? content.document : plainDocument(content.text, textFont(), content.highlight);
        plainView_->setDocument(document.get());
        document_ = std::move(document);
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

    // The matches are found in the text as the document will hold it: runs in a row,
    // paragraphs apart.
    QString all;
    for (qsizetype i = 0; i < content.paragraphs.size(); ++i) {
        if (i > 0)
            all += u'\n';
        for (const RtfRun& run : content.paragraphs.at(i).runs)
            all += run.text;
    }
    const QList<SearchHelper::MatchRange> matches =
        SearchHelper::matchRanges(all, content.highlight, maxMarkedMatches);
    qsizetype matchIndex = 0;
    qsizetype position = 0;

    auto* document = richView_->document();
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QTextCharFormat base;
    base.setFontPointSize(QuickSearchDetailTextView::textPointSize);
    const QTextCharFormat mark = markFormat();
    bool first = true;
    for (const RtfParagraph& paragraph : content.paragraphs) {
        if (!first) {
            cursor.insertBlock();
            ++position;
        }
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
            // The run goes in in parts, the matched ones marked.
            const qsizetype runStart = position;
            const qsizetype runEnd = position + run.text.size();
            while (position < runEnd) {
                while (matchIndex < matches.size() &&
                       matches[matchIndex].start + matches[matchIndex].length <= position)
                    ++matchIndex;
                const bool inMatch = matchIndex < matches.size() && matches[matchIndex].start <= position;
                const qsizetype end =
                    inMatch ? std::min(runEnd, matches[matchIndex].start + matches[matchIndex].length)
                    : matchIndex < matches.size() ? std::min(runEnd, matches[matchIndex].start)
                                                  : runEnd;
                QTextCharFormat partFormat = format;
                if (inMatch)
                    partFormat.merge(mark);
                cursor.insertText(run.text.sliced(position - runStart, end - position), partFormat);
                position = end;
            }
        }
    }
    cursor.endEditBlock();
    richView_->moveCursor(QTextCursor::Start);
}

QFont QuickSearchDetailTextView::textFont() const
{
    return plainView_->font();
}

std::shared_ptr<QTextDocument>
QuickSearchDetailTextView::plainDocument(const QString& text, const QFont& font, const QString& highlight)
{
    auto* document = new QTextDocument;
    document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    document->setDefaultFont(font);
    document->setDocumentMargin(kInset);
    document->setUndoRedoEnabled(false);

    const QList<SearchHelper::MatchRange> matches =
        SearchHelper::matchRanges(text, highlight, maxMarkedMatches);
    const QTextCharFormat plain;
    const QTextCharFormat mark = markFormat();
    QTextBlockFormat continuation;
    continuation.setProperty(kContinuationProperty, true);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    qsizetype matchIndex = 0;
    // Inserts text[from, to), which holds no line break, marking what the matches cover.
    auto insert = [&](qsizetype from, qsizetype to) {
        while (from < to) {
            while (matchIndex < matches.size() &&
                   matches[matchIndex].start + matches[matchIndex].length <= from)
                ++matchIndex;
            const bool inMatch = matchIndex < matches.size() && matches[matchIndex].start <= from;
            const qsizetype end = inMatch
                                      ? std::min(to, matches[matchIndex].start + matches[matchIndex].length)
                                  : matchIndex < matches.size() ? std::min(to, matches[matchIndex].start)
                                                                : to;
            cursor.insertText(text.sliced(from, end - from), inMatch ? mark : plain);
            from = end;
        }
    };
    bool firstBlock = true;
    for (qsizetype lineStart = 0;;) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < text.size() && !isBlockSeparator(text.at(lineEnd)))
            ++lineEnd;
        qsizetype from = lineStart;
        do {
            const qsizetype to = pieceEnd(text, from, lineEnd);
            if (!firstBlock)
                cursor.insertBlock(from == lineStart ? QTextBlockFormat() : continuation, plain);
            firstBlock = false;
            insert(from, to);
            from = to;
        } while (from < lineEnd);
        if (lineEnd >= text.size())
            break;
        const bool crlf =
            text.at(lineEnd) == u'\r' && lineEnd + 1 < text.size() && text.at(lineEnd + 1) == u'\n';
        lineStart = lineEnd + (crlf ? 2 : 1);
    }
    cursor.endEditBlock();
    if (QCoreApplication* app = QCoreApplication::instance())
        document->moveToThread(app->thread());
    return std::shared_ptr<QTextDocument>(document, [](QTextDocument* gone) {
        // The last holder may be a worker's stale result: the GUI thread deletes it. Once the
        // application is being torn down (its pending events dropped, this among them) there
        // is no loop to post to, and posting would wait on the lock the teardown holds.
        if (gone->thread() == QThread::currentThread() || !QCoreApplication::instance())
            delete gone;
        else
            gone->deleteLater();
    });
}

QString QuickSearchDetailTextView::shownText() const
{
    const QTextDocument* document =
        stack_->currentWidget() == plainView_ ? plainView_->document() : richView_->document();
    QTextCursor all(const_cast<QTextDocument*>(document));
    all.select(QTextCursor::Document);
    return joinedText(all);
}

QList<std::pair<int, int>> QuickSearchDetailTextView::markedRuns() const
{
    const QTextDocument* document =
        stack_->currentWidget() == plainView_ ? plainView_->document() : richView_->document();
    QList<std::pair<int, int>> runs;
    // Positions in the joined text: each piece boundary is a block separator that is not there.
    int joins = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().boolProperty(kContinuationProperty))
            ++joins;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!isMarked(fragment.charFormat()))
                continue;
            const int start = fragment.position() - joins;
            // A match cut by a piece boundary is one run.
            if (!runs.isEmpty() && runs.last().first + runs.last().second == start)
                runs.last().second += fragment.length();
            else
                runs.append({start, fragment.length()});
        }
    }
    return runs;
}

bool QuickSearchDetailTextView::isCutNoteShown() const
{
    return !cutNote_->isHidden();
}

QWidget* QuickSearchDetailTextView::currentTextWidget() const
{
    return stack_->currentWidget();
}
