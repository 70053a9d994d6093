#pragma once

#include <QFont>
#include <QWidget>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QStackedLayout;
class QTextDocument;
class QTextEdit;
struct QuickSearchDetailContent;

// A text item in full: plain text in a view built for long texts, rich text with its formatting
// and the page colour it declares, and below them a note when the text was cut.
class QuickSearchDetailTextView : public QWidget
{
    Q_OBJECT
public:
    // The size of the text shown (and of the editor that edits it).
    static constexpr int textPointSize = 13;

    explicit QuickSearchDetailTextView(QWidget* parent = nullptr);

    // keepPosition: the new text continues the shown one, so a plain view stays where it was
    // scrolled to.
    void setContent(const QuickSearchDetailContent& content, bool keepPosition = false);

    // A line longer than this is laid out in pieces of at most this many UTF-16 code units,
    // broken after a space where one is near, else between two characters. Laying out a piece
    // is quick whatever it holds; one line of a million characters, laid out whole, held up the
    // GUI thread for about a minute. Copying joins the pieces again.
    static constexpr qsizetype maxPieceLength = 2000;
    // Matches marked in one text at most; beyond them the text shows unmarked.
    static constexpr qsizetype maxMarkedMatches = 5000;

    // Builds the document of a plain text on the calling thread (a worker: splitting a long
    // text into blocks is what would hold up the GUI) and hands it to the GUI thread. Where
    // `highlight` occurs, as the search matches it, the text is marked.
    static std::shared_ptr<QTextDocument> plainDocument(const QString& text, const QFont& font,
                                                        const QString& highlight = {});
    QFont textFont() const;

    // What the view holds (the pieces of a long line joined), for the tests and the summary.
    QString shownText() const;
    // The runs of the shown text marked as matches, as (start, length) in shownText().
    QList<std::pair<int, int>> markedRuns() const;
    bool isCutNoteShown() const;
    QWidget* currentTextWidget() const;

private:
    void showRich(const QuickSearchDetailContent& content);

    QStackedLayout* stack_;
    QPlainTextEdit* plainView_;
    QTextEdit* richView_;
    QLabel* cutNote_;
    std::shared_ptr<QTextDocument> document_;
};
