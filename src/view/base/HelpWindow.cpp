#include "view/base/HelpWindow.h"

#include "common/Log.h"
#include "model/Localized.h"

#include <QFile>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kTag = QStringLiteral("HelpWindow");

bool isManual(const QUrl& url)
{
    return url.scheme() == HelpWindow::manualUrl.scheme() && url.path() == HelpWindow::manualUrl.path();
}
} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : BaseWindow(QStringLiteral("help-window"), parent), browser_(new QTextBrowser(this)),
      back_(new QToolButton(this)), forward_(new QToolButton(this)), contents_(new QToolButton(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(LocalizedHelp::title());
    setMinimumSize(480, 360);

    back_->setText(LocalizedHelp::back());
    back_->setIcon(QIcon::fromTheme(QStringLiteral("go-previous")));
    forward_->setText(LocalizedHelp::forward());
    forward_->setIcon(QIcon::fromTheme(QStringLiteral("go-next")));
    contents_->setText(LocalizedHelp::contents());
    contents_->setIcon(QIcon::fromTheme(QStringLiteral("go-home")));
    for (QToolButton* button : {back_, forward_, contents_})
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);

    // Links are followed here, not by the browser: it would try to load any address.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    browser_->setFrameShape(QFrame::NoFrame);
    // The text wraps at the window's width; the tables' collapsed borders round one pixel
    // past it, which would show a scroll bar that scrolls nothing.
    browser_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(browser_, &QTextBrowser::historyChanged, this, &HelpWindow::updateButtons);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents_, &QToolButton::clicked, this, [this] { followLink(manualUrl); });

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 6, 8, 6);
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(contents_);
    bar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    browser_->setSource(manualUrl, QTextDocument::HtmlResource);
    if (browser_->document()->isEmpty())
        Log::error(kTag, QStringLiteral("the manual is missing from the resources"));
    anchors_ = anchors(*browser_->document());
    updateButtons();
}

HelpWindow::~HelpWindow() = default;

QString HelpWindow::manualHtml()
{
    QFile file(QStringLiteral(":/help/manual.html"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void HelpWindow::showSection(const QString& section)
{
    QUrl url = manualUrl;
    if (!section.isEmpty())
        url.setFragment(section);
    followLink(url);
    showAndActivate();
}

QStringList HelpWindow::anchors(const QTextDocument& document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        names += block.charFormat().anchorNames();
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            names += fragment.fragment().charFormat().anchorNames();
    }
    names.removeDuplicates();
    return names;
}

QString HelpWindow::currentSection() const
{
    return browser_->source().fragment();
}

void HelpWindow::followLink(const QUrl& link)
{
    // Anchors arrive resolved against the page; anything that is not the page is refused.
    const QUrl url = link.isRelative() ? browser_->source().resolved(link) : link;
    if (!isManual(url)) {
        Log::info(kTag, QStringLiteral("a link out of the manual was not followed"));
        Q_EMIT externalLinkRefused(url);
        return;
    }
    QUrl target = url;
    if (!url.fragment().isEmpty() && !anchors_.contains(url.fragment())) {
        Log::warning(kTag, QStringLiteral("the manual has no section \"%1\"").arg(url.fragment()));
        target.setFragment(QString());
    }
    if (target == browser_->source()) {
        // The same place again (Contents at the top, say) still scrolls there.
        if (target.fragment().isEmpty())
            browser_->verticalScrollBar()->setValue(0);
        else
            browser_->scrollToAnchor(target.fragment());
        return;
    }
    browser_->setSource(target, QTextDocument::HtmlResource);
    if (target.fragment().isEmpty())
        browser_->verticalScrollBar()->setValue(0);
}

void HelpWindow::updateButtons()
{
    back_->setEnabled(browser_->isBackwardAvailable());
    forward_->setEnabled(browser_->isForwardAvailable());
}
