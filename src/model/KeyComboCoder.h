#pragma once

#include "platform/KeyCombo.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The stored form of the global shortcut: a CBOR map naming this class and holding the two
// fields. A coder is always made from a combination or from such an archive.
class KeyComboCoder
{
public:
    static inline const QString archivedClassName = QStringLiteral("Brimble.KeyComboCoder");

    explicit KeyComboCoder(const KeyCombo& combo);

    // None when the bytes are not one CBOR map of this class. Inside a valid map, a missing
    // field or one that is not a 32-bit unsigned number reads as 0.
    static std::optional<KeyComboCoder> unarchive(const QByteArray& data);
    QByteArray archive() const;

    quint32 carbonKeyCode() const { return combo_.carbonKeyCode; }
    quint32 carbonModifiers() const { return combo_.carbonModifiers; }
    KeyCombo keyCombo() const { return combo_; }

private:
    KeyCombo combo_;
};
