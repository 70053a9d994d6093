#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// What kind of secret a copied text is. The raw value is the only stored form.
enum class SecretKind
{
    PrivateKey,  // a PEM or OpenSSH private key block
    WebToken,    // a signed JSON web token
    CloudKey,    // a cloud provider's access key id or API key
    AccessToken, // a code-hosting personal or app token
    BotToken,    // a chat service's bot or user token
    PaymentKey,  // a payment provider's secret or restricted key
    CardNumber,  // a payment card number
};

// Recognises secrets by their shape alone: nothing is looked up, nothing leaves the machine.
//
// A copy is a secret only when the secret is (nearly) all of it: a token with at most a short
// assignment or header around it, a card number on its own, a key block that makes up most of
// the text. A longer text that merely mentions one stays an ordinary copy, because a secret is
// removed after a while and an ordinary copy must never be. Checksums, ids and hashes (git
// hashes, UUIDs, digests) have no marker of their own and are never taken for secrets.
namespace SecretShape {

std::optional<SecretKind> recognise(QStringView text);

QString rawValue(SecretKind kind);
std::optional<SecretKind> fromRawValue(QStringView raw);

// Luhn's check digit test over the digits of `digits` (other characters are not allowed).
bool passesLuhn(QStringView digits);

} // namespace SecretShape
