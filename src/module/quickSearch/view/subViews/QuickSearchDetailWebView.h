#pragma once

#include <QTimer>
#include <QUrl>
#include <QWidget>

class QWebEngineView;

// A link as a live page. The web engine is started only when the first page is shown, in a
// profile that keeps nothing on disk; the page never takes the keyboard and plays media only
// after a click. A page loads once the selection has rested, so arrowing through links costs
// nothing, and only http and https are ever loaded.
class QuickSearchDetailWebView : public QWidget
{
    Q_OBJECT
public:
    // How long a link must stay selected before its page is loaded.
    static constexpr int kRestMs = 300;

    explicit QuickSearchDetailWebView(QWidget* parent = nullptr);
    ~QuickSearchDetailWebView() override;

    // Whether this build can show pages at all; without, links preview as text.
    static bool isAvailable();

    void showUrl(const QUrl& url);
    // Stops the page (and its sounds and scripts) by loading a blank one.
    void unload();

    QUrl pendingUrl() const { return pending_; }
    // The page asked of the engine last; empty before the first load.
    QUrl loadedUrl() const { return loaded_; }
    bool isEngineStarted() const { return view_ != nullptr; }

Q_SIGNALS:
    void loadRequested(const QUrl& url);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void load();
    void createView();

    QTimer rest_;
    QUrl pending_;
    QUrl loaded_;
    QWebEngineView* view_ = nullptr;
};
