#include "module/quickSearch/view/subViews/QuickSearchDetailWebView.h"

#include "common/Log.h"
#include "module/quickSearch/view/QuickSearchDetailContent.h"

#include <QVBoxLayout>

#ifdef BRIMBLE_HAVE_WEBENGINE
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <unistd.h>
#endif

namespace {
const QString kTag = QStringLiteral("QuickSearchDetailWebView");
} // namespace

QuickSearchDetailWebView::QuickSearchDetailWebView(QWidget* parent) : QWidget(parent)
{
    rest_.setSingleShot(true);
    rest_.setInterval(kRestMs);
    connect(&rest_, &QTimer::timeout, this, &QuickSearchDetailWebView::load);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
}

QuickSearchDetailWebView::~QuickSearchDetailWebView()
{
    // The page goes before its profile, which the engine insists on.
    delete view_;
}

bool QuickSearchDetailWebView::isAvailable()
{
#ifdef BRIMBLE_HAVE_WEBENGINE
    return true;
#else
    return false;
#endif
}

void QuickSearchDetailWebView::showUrl(const QUrl& url)
{
    if (!QuickSearchDetailContent::isPreviewableUrl(url)) {
        Log::warning(kTag, QStringLiteral("only http and https pages are previewed"));
        return;
    }
    pending_ = url;
    rest_.start();
}

void QuickSearchDetailWebView::unload()
{
    rest_.stop();
    pending_.clear();
    if (view_ && loaded_ != QUrl(QStringLiteral("about:blank"))) {
        loaded_ = QUrl(QStringLiteral("about:blank"));
#ifdef BRIMBLE_HAVE_WEBENGINE
        view_->load(loaded_);
#endif
    }
}

void QuickSearchDetailWebView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    unload();
}

void QuickSearchDetailWebView::load()
{
    if (pending_.isEmpty() || !isVisible())
        return;
    loaded_ = pending_;
    Q_EMIT loadRequested(loaded_);
#ifdef BRIMBLE_HAVE_WEBENGINE
    createView();
    view_->load(loaded_);
#endif
}

void QuickSearchDetailWebView::createView()
{
#ifdef BRIMBLE_HAVE_WEBENGINE
    if (view_)
        return;
    // The engine's sandbox refuses to start as root (CI containers run so); elsewhere it stays on.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    Log::info(kTag, QStringLiteral("starting the web engine for the first link preview"));
    // No storage name: an off-the-record profile, nothing kept on disk between previews.
    auto* profile = new QWebEngineProfile(this);
    view_ = new QWebEngineView(this);
    auto* page = new QWebEnginePage(profile, view_);
    QWebEngineSettings* settings = page->settings();
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, true);
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    view_->setPage(page);
    view_->setFocusPolicy(Qt::NoFocus);
    layout()->addWidget(view_);
#endif
}
