#include "PasteboardItem.h"

#include "common/HtmlText.h"
#include "platform/PasteboardTypes.h"

PasteboardItem::PasteboardItem(QList<Representation> representations) : reps_(std::move(representations)) {}

QStringList PasteboardItem::types() const
{
    QStringList list;
    list.reserve(reps_.size());
    for (const auto& rep : reps_)
        list.append(rep.type);
    return list;
}

bool PasteboardItem::hasType(const QString& type) const
{
    for (const auto& rep : reps_)
        if (rep.type == type)
            return true;
    return false;
}

std::optional<QByteArray> PasteboardItem::dataForType(const QString& type) const
{
    for (const auto& rep : reps_)
        if (rep.type == type)
            return rep.data;
    return std::nullopt;
}

std::optional<QString> PasteboardItem::stringForType(const QString& type) const
{
    if (type == PasteboardType::string)
        return plainString();
    if (auto data = dataForType(type))
        return QString::fromUtf8(*data);
    return std::nullopt;
}

std::optional<QString> PasteboardItem::plainString() const
{
    for (const QString& alias : PasteboardType::stringReadOrder)
        if (auto data = dataForType(alias))
            return QString::fromUtf8(*data);
    if (auto data = dataForType(PasteboardType::latin1String))
        return QString::fromLatin1(*data);
    return std::nullopt;
}

std::optional<QString> PasteboardItem::readableText() const
{
    if (auto text = plainString())
        return text;
    if (auto html = dataForType(PasteboardType::html))
        return HtmlText::plainText(*html);
    return std::nullopt;
}

void PasteboardItem::setData(const QString& type, const QByteArray& data)
{
    for (auto& rep : reps_) {
        if (rep.type == type) {
            rep.data = data;
            return;
        }
    }
    reps_.append({type, data});
}

void PasteboardItem::setString(const QString& type, const QString& text)
{
    setData(type, text.toUtf8());
}

void PasteboardItem::removeType(const QString& type)
{
    reps_.removeIf([&](const Representation& rep) { return rep.type == type; });
}

qsizetype PasteboardItem::byteSize() const
{
    qsizetype size = 0;
    for (const auto& rep : reps_)
        size += rep.data.size() + rep.type.size();
    return size;
}
