#include "module/quickSearch/view/subViews/QuickSearchDetailWebView.h"

#include "common/Log.h"
#include "model/Localized.h"
#include "module/quickSearch/view/subViews/LinkPreviewPolicy.h"
#include "view/base/ThemeColors.h"

#include <QApplication>
#include <QEvent>
#include <QHostInfo>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#ifdef BRIMBLE_HAVE_WEBENGINE
#include <QOpenGLWidget>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <unistd.h>
#endif

namespace {

const QString kTag = QStringLiteral("QuickSearchDetailWebView");

#ifdef BRIMBLE_HAVE_WEBENGINE
// Every request of a preview page (redirects, frames, images, scripts, sockets) passes the same
// judgement as the link, so a public page cannot reach into the local network.
class PreviewRequestGuard : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        QUrl url = info.requestUrl();
        const QString scheme = url.scheme().toLower();
        if (scheme == u"data" || scheme == u"blob" || scheme == u"about")
            return;
        if (scheme == u"ws")
            url.setScheme(QStringLiteral("http"));
        else if (scheme == u"wss")
            url.setScheme(QStringLiteral("https"));
        if (LinkPreviewPolicy::judge(url) != LinkPreviewPolicy::Verdict::allowed)
            info.block(true);
    }
};

// The engine's sandbox refuses to start as root and takes the whole process down instead. The
// sandbox stays on: as root the preview is refused, unless the engine's own switch
// QTWEBENGINE_DISABLE_SANDBOX=1 (or --no-sandbox in QTWEBENGINE_CHROMIUM_FLAGS) is set, which
// the tests do where they run as root.
bool sandboxRefusesToStart()
{
    return geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX") &&
           !qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains(QLatin1String("--no-sandbox"));
}

// The page draws through OpenGL, and a window that first gets such a child once it is mapped is
// destroyed and created again by Qt: the panel would vanish for a moment and the keyboard go to
// the window behind it. A hidden GL widget made with the panel gives its window that kind of
// surface from the start. Platforms without windows (offscreen) have no GL to keep ready.
bool needsSurfaceKeeper()
{
    const QString platform = QGuiApplication::platformName();
    return platform != u"offscreen" && platform != u"minimal";
}
#endif

} // namespace

QuickSearchDetailWebView::QuickSearchDetailWebView(QWidget* parent)
    : QWidget(parent), stack_(new QStackedWidget(this)), card_(new QWidget(stack_)),
      linkText_(new QLabel(card_)), reason_(new QLabel(card_)),
      loadButton_(new QPushButton(LocalizedLinkPreview::load(), card_))
{
    rest_.setSingleShot(true);
    rest_.setInterval(kRestMs);
    connect(&rest_, &QTimer::timeout, this, &QuickSearchDetailWebView::resolveAndLoad);
    setFocusPolicy(Qt::NoFocus);

    linkText_->setTextFormat(Qt::PlainText);
    linkText_->setWordWrap(true);
    linkText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    linkText_->setAlignment(Qt::AlignCenter);
    reason_->setTextFormat(Qt::PlainText);
    reason_->setWordWrap(true);
    reason_->setAlignment(Qt::AlignCenter);
    ThemeColors::dim(reason_);
    loadButton_->setFocusPolicy(Qt::NoFocus);
    connect(loadButton_, &QPushButton::clicked, this, &QuickSearchDetailWebView::loadPreview);
    auto* cardLayout = new QVBoxLayout(card_);
    cardLayout->setContentsMargins(16, 16, 16, 16);
    cardLayout->addStretch(1);
    cardLayout->addWidget(linkText_);
    cardLayout->addWidget(reason_);
    cardLayout->addWidget(loadButton_, 0, Qt::AlignHCenter);
    cardLayout->addStretch(1);
    stack_->addWidget(card_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stack_);
    setState(State::none);

#ifdef BRIMBLE_HAVE_WEBENGINE
    if (needsSurfaceKeeper()) {
        auto* keeper = new QOpenGLWidget(this);
        keeper->setFocusPolicy(Qt::NoFocus);
        keeper->setFixedSize(0, 0);
        keeper->hide();
    }
#endif
    // Whatever a page does, the keyboard stays with the panel.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* from, QWidget* to) {
        if (view_ && to && (to == view_ || view_->isAncestorOf(to)) && from && from != to) {
            Log::info(kTag, QStringLiteral("the page took the keyboard; given back to the panel"));
            from->setFocus(Qt::OtherFocusReason);
        }
    });
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

void QuickSearchDetailWebView::showUrl(const QUrl& url, bool autoLoad)
{
    unload();
    url_ = url;
    autoLoad_ = autoLoad;
    linkText_->setText(url.toDisplayString());
    const LinkPreviewPolicy::Verdict verdict = LinkPreviewPolicy::judge(url);
    if (verdict != LinkPreviewPolicy::Verdict::allowed) {
        setState(State::refused, LinkPreviewPolicy::reason(verdict));
        return;
    }
#ifdef BRIMBLE_HAVE_WEBENGINE
    if (sandboxRefusesToStart()) {
        setState(State::refused, LocalizedLinkPreview::asRoot());
        return;
    }
#endif
    if (autoLoad_) {
        setState(State::pending);
        rest_.start();
    } else {
        setState(State::offered);
    }
}

void QuickSearchDetailWebView::loadPreview()
{
    if (!isLoadOffered())
        return;
    rest_.stop();
    resolveAndLoad();
}

void QuickSearchDetailWebView::unload()
{
    rest_.stop();
    ++lookup_;
    if (view_ && loaded_ != QUrl(QStringLiteral("about:blank"))) {
        loaded_ = QUrl(QStringLiteral("about:blank"));
#ifdef BRIMBLE_HAVE_WEBENGINE
        view_->load(loaded_);
#endif
    }
    if (state_ == State::pending || state_ == State::loading || state_ == State::shown ||
        state_ == State::failed)
        setState(State::offered);
}

void QuickSearchDetailWebView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Back in view (the panel shown again): a link that loads without asking loads again.
    if (autoLoad_ && state_ == State::offered) {
        setState(State::pending);
        rest_.start();
    }
}

void QuickSearchDetailWebView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    unload();
}

bool QuickSearchDetailWebView::eventFilter(QObject* watched, QEvent* event)
{
    // The page's own widgets come and go with its renderer; none of them may take the keyboard.
    if (event->type() == QEvent::ChildAdded)
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            child->setFocusPolicy(Qt::NoFocus);
    return QWidget::eventFilter(watched, event);
}

QString QuickSearchDetailWebView::reasonText() const
{
    return reason_->isHidden() ? QString() : reason_->text();
}

void QuickSearchDetailWebView::setState(State state, const QString& reason)
{
    state_ = state;
    reason_->setText(reason);
    reason_->setHidden(reason.isEmpty());
    loadButton_->setVisible(state == State::offered || state == State::pending);
    linkText_->setHidden(state == State::none);
    if (state != State::shown && state != State::loading)
        stack_->setCurrentWidget(card_);
    Q_EMIT stateChanged(state);
}

void QuickSearchDetailWebView::resolveAndLoad()
{
    if (url_.isEmpty() || !isVisible())
        return;
    setState(State::loading);
    const QString host = url_.host(QUrl::FullyDecoded);
    if (!LinkPreviewPolicy::literalAddress(host).isNull()) {
        load();
        return;
    }
    // A public-looking name may still lead into the local network; it is resolved first, off
    // the GUI thread, and the page is asked for only when none of its addresses is local.
    const quint64 lookup = ++lookup_;
    QHostInfo::lookupHost(host, this, [this, lookup](const QHostInfo& info) {
        if (lookup != lookup_ || state_ != State::loading)
            return;
        if (info.error() != QHostInfo::NoError || info.addresses().isEmpty()) {
            Log::info(kTag, QStringLiteral("link preview host not found"));
            setState(State::failed, LocalizedLinkPreview::hostNotFound());
            return;
        }
        for (const QHostAddress& address : info.addresses()) {
            if (LinkPreviewPolicy::isLocalAddress(address)) {
                Log::info(kTag, QStringLiteral("link preview refused: the host resolves to a local address"));
                setState(State::refused, LocalizedLinkPreview::localHost());
                return;
            }
        }
        load();
    });
}

void QuickSearchDetailWebView::load()
{
    loaded_ = url_;
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
    Log::info(kTag, QStringLiteral("starting the web engine for the first link preview"));
    // No storage name: an off-the-record profile, nothing kept on disk between previews.
    auto* profile = new QWebEngineProfile(this);
    profile->setUrlRequestInterceptor(new PreviewRequestGuard(profile));
    view_ = new QWebEngineView(stack_);
    view_->installEventFilter(this);
    view_->setFocusPolicy(Qt::NoFocus);
    auto* page = new QWebEnginePage(profile, view_);
    QWebEngineSettings* settings = page->settings();
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, true);
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    // A page that cannot be reached shows as its link with the reason, not the engine's page.
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    view_->setPage(page);
    stack_->addWidget(view_);
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        // The blank page that stops the last one says nothing about the link.
        if (loaded_ == QUrl(QStringLiteral("about:blank")) ||
            info.url() == QUrl(QStringLiteral("about:blank")))
            return;
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadStartedStatus:
            if (state_ == State::loading)
                stack_->setCurrentWidget(view_);
            break;
        case QWebEngineLoadingInfo::LoadSucceededStatus:
            if (state_ == State::loading)
                setState(State::shown);
            break;
        case QWebEngineLoadingInfo::LoadFailedStatus:
            if (state_ == State::loading || state_ == State::shown) {
                Log::info(kTag, QStringLiteral("link preview failed: %1").arg(info.errorString()));
                setState(State::failed, LocalizedLinkPreview::failed(info.errorString()));
            }
            break;
        case QWebEngineLoadingInfo::LoadStoppedStatus:
            break;
        }
    });
    connect(page, &QWebEnginePage::renderProcessTerminated, this, [this] {
        if (state_ == State::loading || state_ == State::shown)
            setState(State::failed, LocalizedLinkPreview::stopped());
    });
#endif
}
