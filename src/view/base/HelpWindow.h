#pragma once

#include "view/base/BaseWindow.h"

#include <QStringList>
#include <QUrl>

class QTextBrowser;
class QTextDocument;
class QToolButton;

// Brimble's manual (one HTML page compiled in as a resource, the same file that is installed
// beside the documentation) in a window of its own. Links inside the manual move within it;
// a link to anywhere else is never followed: nothing is fetched and no browser is started.
class HelpWindow : public BaseWindow
{
    Q_OBJECT
public:
    static inline const QUrl manualUrl = QUrl(QStringLiteral("qrc:/help/manual.html"));

    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Shows the manual at `section` (an anchor of the page; empty for its top), then shows,
    // raises and focuses the window. An unknown section shows the top and is logged.
    void showSection(const QString& section);
    // The section in view through the last link or showSection(); empty at the top.
    QString currentSection() const;

    // The manual's text as compiled in (empty when it is missing from the resources).
    static QString manualHtml();

    // The anchors a document of the manual holds, as links inside it name them.
    static QStringList anchors(const QTextDocument& document);
    QStringList sections() const { return anchors_; }

    QTextBrowser* browser() const { return browser_; }
    QSize sizeHint() const override { return {780, 720}; }

Q_SIGNALS:
    // A link that leads out of the manual was clicked and, as every such link, not followed.
    void externalLinkRefused(const QUrl& url);

private:
    void followLink(const QUrl& url);
    void updateButtons();

    QTextBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
    QToolButton* contents_;
    QStringList anchors_;
};
