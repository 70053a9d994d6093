#pragma once

#include "model/PasteInfModel.h"

#include <QByteArray>
#include <QColor>
#include <QStringList>

#include <optional>

// The stored forms of the serialized history columns, in CBOR:
//   item_data       [[{"type": text, "data": bytes}, ...], ...]  one inner array per item
//   type_data       [text, ...]                                  or null when absent
//   header_bg_color {"r": float, "g": float, "b": float, "a": float} or null when absent
// Decoding is strict: a blob of any other shape, truncated, or with bytes after the value
// decodes as absent. It never trusts the blob beyond that.
namespace ModelCoding {

QByteArray encodeItemData(const PasteDataTypeGroups& groups);
// A record whose "type" is not text (or whose "data" is not bytes) keeps that field absent,
// as the record form allows; anything else that is not the documented shape is absent.
std::optional<PasteDataTypeGroups> decodeItemData(const QByteArray& blob);

QByteArray encodeTypes(const std::optional<QStringList>& types);
std::optional<QStringList> decodeTypes(const QByteArray& blob);

QByteArray encodeColor(const std::optional<QColor>& color);
std::optional<QColor> decodeColor(const QByteArray& blob);

// True when the blob is exactly the encoded null (an absent value that was stored as such).
bool isNull(const QByteArray& blob);

} // namespace ModelCoding
