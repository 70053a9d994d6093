#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include <utility>

class QPushButton;

// What the About window tells, gathered by the application (which knows the files in use).
struct AboutInfo
{
    QString version;     // "0.1.0"
    QString description; // one line
    QString licence;     // one sentence
    // Name and version of every library Brimble runs on, in the order shown.
    QList<std::pair<QString, QString>> libraries;
    QString historyPath;  // the history database in use
    QString logDirectory; // where the log files are written
};

// The About window: version, description, licence, libraries and the paths of the history and
// the logs, with a button that copies all of it as plain text, for a bug report.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(AboutInfo info, QWidget* parent = nullptr);
    ~AboutDialog() override;

    // All of it as plain text: what Copy puts on the clipboard.
    static QString text(const AboutInfo& info);
    QString text() const { return text(info_); }

    QPushButton* copyButton() const { return copyButton_; }
    QPushButton* closeButton() const { return closeButton_; }

private:
    AboutInfo info_;
    QPushButton* copyButton_;
    QPushButton* closeButton_;
};
