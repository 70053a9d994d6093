#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The pane over the quick search list where an item's text is edited as plain text. It only
// holds the text and says what the user asks for; the controller stores the edit. Ctrl+Return
// asks to save the text as a new item, Ctrl+Shift+Return to replace the original; Escape (the
// panel's) cancels. Save and Replace are off while the text is empty.
class QuickSearchItemEditor : public QWidget
{
    Q_OBJECT
public:
    explicit QuickSearchItemEditor(QWidget* parent = nullptr);

    // Shows `text` ready to edit, the cursor at its end, with the note that formatting goes
    // when `formattingDropped`.
    void open(const QString& text, bool formattingDropped);
    QString text() const;
    QString originalText() const { return original_; }
    bool isChanged() const { return text() != original_; }
    // A line about why the last request was not carried out; empty hides it.
    void setMessage(const QString& message);
    QString message() const;
    // Off while a request is being stored, so it is not sent twice.
    void setBusy(bool busy);
    bool isBusy() const { return busy_; }

    QPlainTextEdit* textEdit() const { return edit_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* replaceButton() const { return replace_; }
    QPushButton* cancelButton() const { return cancel_; }
    QLabel* note() const { return note_; }

    // Ctrl+Return and Ctrl+Shift+Return; false for any other key.
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);

Q_SIGNALS:
    void saveRequested();
    void replaceRequested();
    void cancelRequested();

private:
    void refreshButtons();

    QLabel* note_;
    QPlainTextEdit* edit_;
    QLabel* message_;
    QLabel* hint_;
    QPushButton* cancel_;
    QPushButton* replace_;
    QPushButton* save_;
    QString original_;
    bool busy_ = false;
};
