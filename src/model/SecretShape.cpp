#include "SecretShape.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <array>

namespace SecretShape {
namespace {

// A key block this much larger than a 16384-bit RSA key is something else.
constexpr qsizetype kLongestKeyText = 64 * 1024;
// What may stand around a token on its line: an assignment, a header name, quotes.
constexpr qsizetype kLongestTokenSurround = 48;

struct RawName
{
    SecretKind kind;
    const char* raw;
};
constexpr std::array kRawNames = {
    RawName{SecretKind::PrivateKey, "private_key"}, RawName{SecretKind::WebToken, "web_token"},
    RawName{SecretKind::CloudKey, "cloud_key"},     RawName{SecretKind::AccessToken, "access_token"},
    RawName{SecretKind::BotToken, "bot_token"},     RawName{SecretKind::PaymentKey, "payment_key"},
    RawName{SecretKind::CardNumber, "card_number"},
};

struct TokenShape
{
    SecretKind kind;
    QRegularExpression pattern;
};

// Prefixes the issuers put on their tokens so that they can be found; the bodies' lengths are
// the issued ones (or a floor where issuers have changed them).
const std::array<TokenShape, 9>& tokenShapes()
{
    static const auto shapes = [] {
        const auto token = [](SecretKind kind, const char* body) {
            // Not part of a longer word on either side.
            return TokenShape{
                kind,
                QRegularExpression(
                    QStringLiteral("(?<![A-Za-z0-9_\\-])(?:%1)(?![A-Za-z0-9_])").arg(QLatin1String(body)))};
        };
        return std::array<TokenShape, 9>{
            token(SecretKind::CloudKey, "(?:AKIA|ASIA)[A-Z0-9]{16}"),
            token(SecretKind::CloudKey, "AIza[0-9A-Za-z_\\-]{35}"),
            token(SecretKind::AccessToken, "gh[pousr]_[A-Za-z0-9]{36,251}"),
            token(SecretKind::AccessToken, "github_pat_[A-Za-z0-9_]{70,100}"),
            token(SecretKind::AccessToken, "glpat-[A-Za-z0-9_\\-.]{20,}"),
            token(SecretKind::BotToken, "xox[abposr]-[0-9]{8,}-[0-9A-Za-z\\-]{10,}"),
            token(SecretKind::BotToken,
                  "[MNO][A-Za-z0-9_\\-]{23,27}\\.[A-Za-z0-9_\\-]{6}\\.[A-Za-z0-9_\\-]{27,40}"),
            token(SecretKind::PaymentKey, "(?:sk|rk)_(?:live|test)_[0-9A-Za-z]{24,247}"),
            token(SecretKind::WebToken, "eyJ[A-Za-z0-9_\\-]{8,}\\.[A-Za-z0-9_\\-]{2,}\\.[A-Za-z0-9_\\-]*"),
        };
    }();
    return shapes;
}

std::optional<QByteArray> base64Url(QStringView part)
{
    const auto decoded = QByteArray::fromBase64Encoding(
        part.toLatin1(), QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return *decoded;
}

// Three base64url parts whose header is a JSON object naming its algorithm and whose payload is
// a JSON object; unsigned tokens ("none") have an empty signature, signed ones a real one.
bool isWebToken(QStringView token)
{
    const auto parts = token.split(u'.');
    if (parts.size() != 3)
        return false;
    const auto header = base64Url(parts[0]);
    const auto payload = base64Url(parts[1]);
    if (!header || !payload)
        return false;
    const QJsonObject head = QJsonDocument::fromJson(*header).object();
    const QJsonValue alg = head.value(QLatin1String("alg"));
    if (!alg.isString() || !QJsonDocument::fromJson(*payload).isObject())
        return false;
    const bool unsigned_ = alg.toString().compare(QLatin1String("none"), Qt::CaseInsensitive) == 0;
    return unsigned_ ? parts[2].isEmpty() : parts[2].size() >= 16;
}

// A bot token's first part is the bot's numeric id, base64-encoded.
bool isBotId(QStringView token)
{
    const auto id = base64Url(token.left(token.indexOf(u'.')));
    if (!id || id->size() < 17 || id->size() > 20)
        return false;
    return std::all_of(id->cbegin(), id->cend(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<SecretKind> keyBlock(QStringView text)
{
    static const QRegularExpression block(
        QStringLiteral("-----BEGIN ((?:[A-Z0-9]+ )*PRIVATE KEY(?: BLOCK)?)-----\\s*(.*?)-----END \\1-----"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression base64Run(QStringLiteral("[A-Za-z0-9+/=]{32,}"));
    const QRegularExpressionMatch match = block.match(text);
    if (!match.hasMatch() || !base64Run.match(match.capturedView(2)).hasMatch())
        return std::nullopt;
    // Most of the copy: a key file with a comment line is a key; a page quoting one is a page.
    if (match.capturedLength() * 2 < text.size())
        return std::nullopt;
    return SecretKind::PrivateKey;
}

std::optional<SecretKind> token(QStringView text)
{
    if (text.contains(u'\n'))
        return std::nullopt;
    for (const TokenShape& shape : tokenShapes()) {
        const QRegularExpressionMatch match = shape.pattern.match(text);
        if (!match.hasMatch() || text.size() - match.capturedLength() > kLongestTokenSurround)
            continue;
        const QStringView found = match.capturedView();
        if (shape.kind == SecretKind::WebToken && !isWebToken(found))
            continue;
        if (shape.kind == SecretKind::BotToken && found.contains(u'.') && !isBotId(found))
            continue;
        return shape.kind;
    }
    return std::nullopt;
}

// The issuer ranges of the card networks, with the lengths each issues.
bool isCardIssuer(QStringView digits)
{
    const auto prefix = [&](int n) { return digits.left(n).toInt(); };
    const qsizetype length = digits.size();
    const int two = prefix(2), three = prefix(3), four = prefix(4), six = prefix(6);
    if (digits.startsWith(u'4'))
        return length == 13 || length == 16 || length == 19; // Visa
    if ((two >= 51 && two <= 55) || (four >= 2221 && four <= 2720))
        return length == 16; // Mastercard
    if (two == 34 || two == 37)
        return length == 15; // American Express
    if (four == 6011 || (three >= 644 && three <= 649) || two == 65 || (six >= 622126 && six <= 622925))
        return length >= 16 && length <= 19; // Discover
    if (four >= 3528 && four <= 3589)
        return length >= 16 && length <= 19; // JCB
    if ((three >= 300 && three <= 305) || two == 36 || two == 38 || two == 39)
        return length >= 14 && length <= 19; // Diners Club
    if (two == 62)
        return length >= 16 && length <= 19; // UnionPay
    return false;
}

std::optional<SecretKind> cardNumber(QStringView text)
{
    // Contiguous, or in the groups printed on cards: 4-4-4-4(-3), 4-6-5, 4-6-4; one separator.
    static const QRegularExpression layout(
        QStringLiteral("^(?:\\d{13,19}|\\d{4}([ \\-])\\d{4}\\1\\d{4}\\1\\d{4}(?:\\1\\d{3})?|\\d{4}([ "
                       "\\-])\\d{4}\\2\\d{4}\\2\\d{1,3}|"
                       "\\d{4}([ \\-])\\d{6}\\3\\d{4,5})$"));
    if (text.size() > 23 || !layout.match(text).hasMatch())
        return std::nullopt;
    QString digits;
    for (QChar c : text)
        if (c.isDigit())
            digits.append(c);
    if (digits.size() < 13 || digits.size() > 19 || !isCardIssuer(digits) || !passesLuhn(digits))
        return std::nullopt;
    return SecretKind::CardNumber;
}

} // namespace

std::optional<SecretKind> recognise(QStringView text)
{
    if (text.size() > kLongestKeyText)
        return std::nullopt;
    text = text.trimmed();
    if (text.size() < 13)
        return std::nullopt;
    if (text.contains(QLatin1String("PRIVATE KEY")))
        return keyBlock(text);
    if (auto kind = cardNumber(text))
        return kind;
    return token(text);
}

bool passesLuhn(QStringView digits)
{
    int sum = 0;
    bool twice = false;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        const int digit = digits[i].digitValue();
        if (digit < 0)
            return false;
        const int value = twice ? digit * 2 : digit;
        sum += value > 9 ? value - 9 : value;
        twice = !twice;
    }
    return !digits.isEmpty() && sum % 10 == 0;
}

QString rawValue(SecretKind kind)
{
    for (const RawName& name : kRawNames)
        if (name.kind == kind)
            return QLatin1String(name.raw);
    return {};
}

std::optional<SecretKind> fromRawValue(QStringView raw)
{
    for (const RawName& name : kRawNames)
        if (raw == QLatin1String(name.raw))
            return name.kind;
    return std::nullopt;
}

} // namespace SecretShape
