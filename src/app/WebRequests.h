#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// The rules every request Brimble makes follows: only https, or plain http to this machine
// (a loopback address); a 10-second time-out; at most three redirects, each to an address
// these rules allow.
namespace WebRequests {

inline constexpr int timeoutMilliseconds = 10000;
inline constexpr int maxRedirects = 3;

bool isAllowed(const QUrl& url);

// The address in the environment variable `variable` when it is set, else `builtIn` (from
// the build). None when both are empty; none with `why` when the address breaks the rules.
std::optional<QUrl> configuredUrl(const char* variable, const QString& builtIn, QString* why);

// Sends the request; the reply finishes with an error when a redirect leads somewhere the
// rules do not allow, or the answer grows beyond `maxBytes`. The caller owns the reply.
QNetworkReply* get(QNetworkAccessManager& network, const QUrl& url, qint64 maxBytes);
QNetworkReply* post(QNetworkAccessManager& network, const QUrl& url, const QByteArray& body,
                    const QByteArray& contentType, qint64 maxBytes);

// Why a finished reply failed, in words for the user; empty when it succeeded (2xx).
QString failureOf(QNetworkReply* reply);

} // namespace WebRequests
