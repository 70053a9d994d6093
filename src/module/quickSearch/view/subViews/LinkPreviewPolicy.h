#pragma once

#include <QHostAddress>
#include <QString>
#include <QUrl>

// Which links the preview may load. A loaded preview is a visit the user did not make: pages on
// this computer and on the local network (a router, a printer, a development server) are never
// loaded, nor links that carry a user name or password, whoever asks. A host name is judged by
// its text here and by the addresses it resolves to before the page is asked for; every request
// the page makes afterwards (redirects, images, scripts) is judged by its text again.
class LinkPreviewPolicy
{
public:
    enum class Verdict
    {
        allowed,
        notWeb,      // not http or https, or no host
        credentials, // user:password@host
        localHost,   // this computer or the local network
    };

    static Verdict judge(const QUrl& url);
    // Loopback, private, link-local, unique-local, multicast and unspecified addresses, IPv4
    // inside IPv6 judged as IPv4.
    static bool isLocalAddress(const QHostAddress& address);
    // Names that only mean something on this computer or the local network: localhost, .local,
    // single labels the resolver completes with the local search domain, and the like.
    static bool isLocalName(const QString& host);
    // The host as an address when it is written as one, in any form a browser accepts
    // (0x7f.1, 2130706433, 0177.0.0.1, [::ffff:127.0.0.1]); a null address for a name.
    static QHostAddress literalAddress(const QString& host);

    // The line the preview shows instead of the page.
    static QString reason(Verdict verdict);

    // Lets pages on 127.0.0.0/8 load: the tests serve theirs there. Never set in a user's session.
    static void setLoopbackAllowed(bool allowed);
};
