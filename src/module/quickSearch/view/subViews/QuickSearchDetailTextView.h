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
    explicit QuickSearchDetailTextView(QWidget* parent = nullptr);

    // keepPosition: the new text continues the shown one, so a plain view stays where it was
    // scrolled to.
    void setContent(const QuickSearchDetailContent& content, bool keepPosition = false);

    // Builds the document of a plain text on the calling thread (a worker: splitting a long
    // text into blocks is what would hold up the GUI) and hands it to the GUI thread.
    static std::shared_ptr<QTextDocument> plainDocument(const QString& text, const QFont& font);
    QFont textFont() const;

    // What the view holds, for the tests and the summary.
    QString shownText() const;
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
