#include "WebRequests.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace WebRequests {
namespace {

const char* const kRefusal = "brimbleRefusal";

QNetworkRequest requestFor(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMilliseconds);
    request.setMaximumRedirectsAllowed(maxRedirects);
    // Each redirect is checked against the rules before it is followed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray("Brimble/" BRIMBLE_VERSION));
    return request;
}

QNetworkReply* guarded(QNetworkReply* reply, qint64 maxBytes)
{
    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl& target) {
        if (isAllowed(target)) {
            Q_EMIT reply->redirectAllowed();
            return;
        }
        reply->setProperty(kRefusal,
                           QStringLiteral("redirected to %1, which is neither https nor this machine")
                               .arg(target.toDisplayString()));
        reply->abort();
    });
    QObject::connect(
        reply, &QNetworkReply::downloadProgress, reply, [reply, maxBytes](qint64 received, qint64) {
            if (received <= maxBytes)
                return;
            reply->setProperty(kRefusal, QStringLiteral("the answer is larger than %1 bytes").arg(maxBytes));
            reply->abort();
        });
    return reply;
}

} // namespace

bool isAllowed(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QLatin1String("https"))
        return true;
    if (url.scheme() != QLatin1String("http"))
        return false;
    // Plain http never leaves the machine: a local test server or a local relay.
    if (url.host() == QLatin1String("localhost"))
        return true;
    const QHostAddress address(url.host());
    return !address.isNull() && address.isLoopback();
}

std::optional<QUrl> configuredUrl(const char* variable, const QString& builtIn, QString* why)
{
    const QString text =
        qEnvironmentVariableIsSet(variable) ? qEnvironmentVariable(variable).trimmed() : builtIn.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const QUrl url(text, QUrl::StrictMode);
    if (!isAllowed(url)) {
        if (why)
            *why = QStringLiteral("%1 \"%2\" is not an https address or an http address of this machine")
                       .arg(QLatin1String(variable), text);
        return std::nullopt;
    }
    return url;
}

QNetworkReply* get(QNetworkAccessManager& network, const QUrl& url, qint64 maxBytes)
{
    return guarded(network.get(requestFor(url)), maxBytes);
}

QNetworkReply* post(QNetworkAccessManager& network, const QUrl& url, const QByteArray& body,
                    const QByteArray& contentType, qint64 maxBytes)
{
    QNetworkRequest request = requestFor(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    return guarded(network.post(request, body), maxBytes);
}

QString failureOf(QNetworkReply* reply)
{
    const QString refusal = reply->property(kRefusal).toString();
    if (!refusal.isEmpty())
        return refusal;
    if (reply->error() == QNetworkReply::OperationCanceledError ||
        reply->error() == QNetworkReply::TimeoutError)
        return QStringLiteral("no answer within %1 seconds").arg(timeoutMilliseconds / 1000);
    // A server that answered says more with its status than the transfer error does.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299))
        return QStringLiteral("the server answered %1").arg(status.toInt());
    if (reply->error() != QNetworkReply::NoError)
        return reply->errorString();
    return QString();
}

} // namespace WebRequests
