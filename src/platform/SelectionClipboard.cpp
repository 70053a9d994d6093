#include "platform/SelectionClipboard.h"

#include "platform/PasteboardTypes.h"

namespace {
// The item's text as UTF-8: the bytes of the first UTF-8 name it has, else its decoded text.
std::optional<QByteArray> utf8Text(const PasteboardItem& item)
{
    for (const QString& name : PasteboardType::stringReadOrder)
        if (auto data = item.dataForType(name))
            return data;
    if (auto text = item.plainString())
        return text->toUtf8();
    return std::nullopt;
}
} // namespace

bool SelectionClipboard::write(const PasteboardItems& items)
{
    const PasteboardItem merged = mergeForWriting(items);
    if (merged.isEmpty()) {
        // Nothing to offer: what is left on the clipboard must not be the previous content.
        clear();
        return true;
    }
    return offer(false, merged);
}

bool SelectionClipboard::writePrimary(const PasteboardItems& items)
{
    const PasteboardItem merged = mergeForWriting(items);
    return merged.isEmpty() || offer(true, merged);
}

PasteboardItem SelectionClipboard::mergeForWriting(const PasteboardItems& items)
{
    const QStringList& textNames = PasteboardType::plainTextNames;
    QList<QByteArray> texts;
    QList<QByteArray> uriLists;
    for (const PasteboardItem& item : items) {
        if (auto text = utf8Text(item))
            texts.append(*text);
        if (auto data = item.dataForType(PasteboardType::fileURL))
            uriLists.append(*data);
    }

    QList<PasteboardItem::Representation> reps;
    QStringList seen;
    auto add = [&](const QString& type, const QByteArray& data) {
        if (seen.contains(type))
            return;
        seen.append(type);
        reps.append({type, data});
    };
    for (const PasteboardItem& item : items) {
        for (const auto& rep : item.representations()) {
            if (rep.type.isEmpty() || PasteboardType::isMetaTarget(rep.type) || seen.contains(rep.type))
                continue;
            if (textNames.contains(rep.type) && !texts.isEmpty()) {
                // One item keeps its own bytes under each UTF-8 name it has; several are joined.
                // Clients that only know the old names get the same text, Latin-1 under STRING.
                const QByteArray text = texts.join('\n');
                for (const QString& name : PasteboardType::stringReadOrder)
                    add(name, texts.size() == 1 ? item.dataForType(name).value_or(text) : text);
                add(PasteboardType::latin1String, QString::fromUtf8(text).toLatin1());
                add(PasteboardType::compatibilityText, text);
            } else if (rep.type == PasteboardType::fileURL) {
                QByteArray joined;
                for (const QByteArray& list : std::as_const(uriLists)) {
                    if (!joined.isEmpty() && !joined.endsWith('\n'))
                        joined.append("\r\n");
                    joined.append(list);
                }
                add(rep.type, joined);
            } else {
                add(rep.type, rep.data);
            }
        }
    }
    return PasteboardItem(reps);
}
