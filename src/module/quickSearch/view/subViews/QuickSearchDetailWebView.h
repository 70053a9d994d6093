#pragma once

#include <QTimer>
#include <QUrl>
#include <QWidget>

class QLabel;
class QPushButton;
class QStackedWidget;
class QWebEngineView;

// A link as a live page, loaded only when the user asks ("Load Preview") or, with the
// preference that says so, once the selection has rested on it. Until then, and whenever the
// page cannot or must not be loaded, the link shows as its text with one line saying why.
// Links to this computer or the local network and links with credentials are never loaded
// (LinkPreviewPolicy).
//
// The web engine starts with the first page asked for, in a profile that keeps nothing on disk;
// the page never takes the keyboard and plays media only after a click. The view itself is
// made at once, hidden: it keeps the panel's window ready for the page's GL surface, so the
// first page does not make the window system rebuild (unmap and remap) the panel.
class QuickSearchDetailWebView : public QWidget
{
    Q_OBJECT
public:
    // How long a link must stay selected before its page loads without asking.
    static constexpr int kRestMs = 300;

    enum class State
    {
        none,    // no link
        offered, // the text with "Load Preview"
        pending, // loads once the selection has rested
        loading, // the host is being resolved or the page read
        shown,   // the page is up
        refused, // never loaded: the text and why
        failed,  // could not be loaded: the text and why
    };

    explicit QuickSearchDetailWebView(QWidget* parent = nullptr);
    ~QuickSearchDetailWebView() override;

    // Whether this build can show pages at all; without, links preview as text.
    static bool isAvailable();

    // Shows a link; autoLoad: load it once the selection rests, without asking.
    void showUrl(const QUrl& url, bool autoLoad = false);
    // The user asked for the page.
    void loadPreview();
    bool isLoadOffered() const { return state_ == State::offered || state_ == State::pending; }
    // Stops the page (and its sounds and scripts) by loading a blank one; the link is offered
    // again.
    void unload();

    State state() const { return state_; }
    // The line under the link's text; empty while there is nothing to say.
    QString reasonText() const;
    QPushButton* loadButton() const { return loadButton_; }
    QUrl pendingUrl() const { return url_; }
    // The page asked of the engine last; empty before the first load.
    QUrl loadedUrl() const { return loaded_; }
    bool isEngineStarted() const { return view_ != nullptr; }

Q_SIGNALS:
    void loadRequested(const QUrl& url);
    void stateChanged(QuickSearchDetailWebView::State state);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setState(State state, const QString& reason = {});
    void resolveAndLoad();
    void load();
    void createView();

    QStackedWidget* stack_;
    QWidget* card_;
    QLabel* linkText_;
    QLabel* reason_;
    QPushButton* loadButton_;
    QTimer rest_;
    QUrl url_;
    QUrl loaded_;
    State state_ = State::none;
    bool autoLoad_ = false;
    // Host look-ups answered for an older link are dropped.
    quint64 lookup_ = 0;
    QWebEngineView* view_ = nullptr;
};
