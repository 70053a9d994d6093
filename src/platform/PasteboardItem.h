#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One clipboard item: an ordered list of (type, bytes) representations, as the owner offered
// them. A plain value; copies share their bytes implicitly.
class PasteboardItem
{
public:
    struct Representation
    {
        QString type;
        QByteArray data;
        bool operator==(const Representation&) const = default;
    };

    PasteboardItem() = default;
    explicit PasteboardItem(QList<Representation> representations);

    const QList<Representation>& representations() const { return reps_; }
    QStringList types() const;
    bool hasType(const QString& type) const;
    bool isEmpty() const { return reps_.isEmpty(); }

    std::optional<QByteArray> dataForType(const QString& type) const;
    // The bytes of a text type decoded as UTF-8. For PasteboardType::string the first present
    // of its aliases is read.
    std::optional<QString> stringForType(const QString& type) const;
    // The item's plain text, from the first present UTF-8 text type, else Latin-1 STRING.
    std::optional<QString> plainString() const;
    // What a reader sees of the item as text: its plain text, else the text of its HTML (a copy
    // that offers only HTML is still text to search and to paste as plain text).
    std::optional<QString> readableText() const;

    // Replaces the bytes of an existing type in place, else appends the type.
    void setData(const QString& type, const QByteArray& data);
    void setString(const QString& type, const QString& text);
    void removeType(const QString& type);

    qsizetype byteSize() const;

    bool operator==(const PasteboardItem&) const = default;

private:
    QList<Representation> reps_;
};

using PasteboardItems = QList<PasteboardItem>;
