#include "module/quickSearch/view/subViews/LinkPreviewPolicy.h"

#include "model/Localized.h"

#include <arpa/inet.h>

namespace {

bool inRange(quint32 address, quint32 network, int prefix)
{
    const quint32 mask = prefix == 0 ? 0 : ~quint32(0) << (32 - prefix);
    return (address & mask) == (network & mask);
}

std::atomic<bool> g_loopbackAllowed{false};

bool isLocalIPv4(quint32 address)
{
    if (inRange(address, 0x7F000000, 8) && g_loopbackAllowed.load())
        return false;
    return inRange(address, 0x00000000, 8)     // "this network": 0.0.0.0 reaches this computer
           || inRange(address, 0x0A000000, 8)  // 10/8
           || inRange(address, 0x64400000, 10) // 100.64/10, carrier-grade NAT
           || inRange(address, 0x7F000000, 8)  // 127/8
           || inRange(address, 0xA9FE0000, 16) // 169.254/16
           || inRange(address, 0xAC100000, 12) // 172.16/12
           || inRange(address, 0xC0A80000, 16) // 192.168/16
           || inRange(address, 0xE0000000, 3); // multicast, reserved and broadcast
}

} // namespace

QHostAddress LinkPreviewPolicy::literalAddress(const QString& host)
{
    QString text = host;
    if (text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']')))
        text = text.mid(1, text.size() - 2);
    if (text.contains(QLatin1Char(':')))
        return QHostAddress(text);
    // inet_aton takes every form a browser reads as IPv4: one to four parts, each decimal,
    // octal (leading 0) or hexadecimal (0x).
    in_addr parsed{};
    const QByteArray latin = text.toLatin1();
    if (latin.isEmpty() || inet_aton(latin.constData(), &parsed) == 0)
        return {};
    return QHostAddress(ntohl(parsed.s_addr));
}

bool LinkPreviewPolicy::isLocalAddress(const QHostAddress& address)
{
    if (address.isNull())
        return false;
    if (address.protocol() == QAbstractSocket::IPv4Protocol)
        return isLocalIPv4(address.toIPv4Address());
    const Q_IPV6ADDR bytes = address.toIPv6Address();
    const auto embeddedIPv4 = [&bytes](int at) {
        return quint32(bytes[at]) << 24 | quint32(bytes[at + 1]) << 16 | quint32(bytes[at + 2]) << 8 |
               quint32(bytes[at + 3]);
    };
    bool zeroTo10 = true;
    for (int i = 0; i < 10; ++i)
        zeroTo10 = zeroTo10 && bytes[i] == 0;
    // ::ffff:a.b.c.d (mapped) and ::a.b.c.d (compatible, which also covers :: and ::1).
    if (zeroTo10 && ((bytes[10] == 0xFF && bytes[11] == 0xFF) || (bytes[10] == 0 && bytes[11] == 0))) {
        const quint32 v4 = embeddedIPv4(12);
        if (bytes[10] == 0 && v4 <= 1)
            return true; // :: and ::1
        return isLocalIPv4(v4);
    }
    // 64:ff9b::a.b.c.d (NAT64) and 2002:aabb:ccdd:: (6to4) lead to the IPv4 address inside.
    static const quint8 nat64[12] = {0x00, 0x64, 0xFF, 0x9B, 0, 0, 0, 0, 0, 0, 0, 0};
    bool isNat64 = true;
    for (int i = 0; i < 12; ++i)
        isNat64 = isNat64 && bytes[i] == nat64[i];
    if (isNat64)
        return isLocalIPv4(embeddedIPv4(12));
    if (bytes[0] == 0x20 && bytes[1] == 0x02)
        return isLocalIPv4(embeddedIPv4(2));
    return (bytes[0] & 0xFE) == 0xFC                          // fc00::/7, unique local
           || (bytes[0] == 0xFE && (bytes[1] & 0x80) == 0x80) // fe80::/10 link-local, fec0::/10 site-local
           || bytes[0] == 0xFF;                               // multicast
}

bool LinkPreviewPolicy::isLocalName(const QString& host)
{
    QString name = host.toLower();
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    if (name.isEmpty() || !name.contains(QLatin1Char('.')))
        return true;
    static const QStringList localNames = {QStringLiteral("localhost.localdomain"),
                                           QStringLiteral("ip6-localhost"), QStringLiteral("ip6-loopback")};
    static const QStringList localSuffixes = {QStringLiteral(".localhost"),   QStringLiteral(".local"),
                                              QStringLiteral(".localdomain"), QStringLiteral(".home.arpa"),
                                              QStringLiteral(".internal"),    QStringLiteral(".lan")};
    if (localNames.contains(name))
        return true;
    for (const QString& suffix : localSuffixes)
        if (name.endsWith(suffix))
            return true;
    return false;
}

LinkPreviewPolicy::Verdict LinkPreviewPolicy::judge(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https") || url.host().isEmpty())
        return Verdict::notWeb;
    if (!url.userName().isEmpty() || !url.password().isEmpty())
        return Verdict::credentials;
    const QString host = url.host(QUrl::FullyDecoded);
    const QHostAddress literal = literalAddress(host);
    if (!literal.isNull())
        return isLocalAddress(literal) ? Verdict::localHost : Verdict::allowed;
    return isLocalName(host) ? Verdict::localHost : Verdict::allowed;
}

QString LinkPreviewPolicy::reason(Verdict verdict)
{
    switch (verdict) {
    case Verdict::allowed:
        return {};
    case Verdict::notWeb:
        return LocalizedLinkPreview::notWeb();
    case Verdict::credentials:
        return LocalizedLinkPreview::credentials();
    case Verdict::localHost:
        return LocalizedLinkPreview::localHost();
    }
    return {};
}

void LinkPreviewPolicy::setLoopbackAllowed(bool allowed)
{
    g_loopbackAllowed = allowed;
}
