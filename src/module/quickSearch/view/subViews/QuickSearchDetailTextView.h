#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QStackedLayout;
class QTextEdit;
struct QuickSearchDetailContent;

// A text item in full: plain text in a view built for long texts, rich text with its formatting
// and the page colour it declares, and below them a note when the text was cut.
class QuickSearchDetailTextView : public QWidget
{
    Q_OBJECT
public:
    explicit QuickSearchDetailTextView(QWidget* parent = nullptr);

    void setContent(const QuickSearchDetailContent& content);

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
};
