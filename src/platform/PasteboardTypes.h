#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>

// Clipboard type names as Brimble stores and compares them (exact strings). The names follow
// the X11/freedesktop conventions: MIME types and X11 target names.
namespace PasteboardType {

// Plain text: read the first of stringReadOrder that is present, else Latin-1 STRING (what
// old X clients offer); write all of plainTextNames.
inline const QString string = QStringLiteral("text/plain;charset=utf-8");
inline const QStringList stringReadOrder = {QStringLiteral("text/plain;charset=utf-8"),
                                            QStringLiteral("UTF8_STRING"), QStringLiteral("text/plain")};
inline const QString latin1String = QStringLiteral("STRING");
inline const QString compatibilityText = QStringLiteral("TEXT");
inline const QStringList plainTextNames = stringReadOrder + QStringList{latin1String, compatibilityText};
inline const QString rtf = QStringLiteral("text/rtf");
inline const QStringList rtfAliases = {QStringLiteral("text/rtf"), QStringLiteral("text/richtext"),
                                       QStringLiteral("application/rtf")};
// Never offered on Linux; kept so items recorded elsewhere still classify.
inline const QString rtfd = QStringLiteral("com.apple.flat-rtfd");
inline const QString tiff = QStringLiteral("image/tiff");
inline const QString png = QStringLiteral("image/png");
inline const QString pdf = QStringLiteral("application/pdf");
inline const QString fileURL = QStringLiteral("text/uri-list");
inline const QString html = QStringLiteral("text/html");

// Added to everything Brimble writes, so the monitor can skip its own generations.
inline const QString marker = QStringLiteral("private.paste-from-brimble");
// Next to a file list: the plain absolute paths, one per line (Linux has no security-scoped
// bookmarks).
inline const QString bookmark = QStringLiteral("private.book-mark");

// Password managers mark secrets with this target; such copies are never recorded.
inline const QStringList passwordManagerHints = {QStringLiteral("x-kde-passwordManagerHint"),
                                                 QStringLiteral("text/x-kde-passwordManagerHint")};

// X11 targets that describe the selection rather than carry content; never stored.
inline const QStringList metaTargets = {QStringLiteral("TARGETS"), QStringLiteral("TIMESTAMP"),
                                        QStringLiteral("MULTIPLE"), QStringLiteral("SAVE_TARGETS"),
                                        QStringLiteral("DELETE")};
inline bool isMetaTarget(const QString& target)
{
    return metaTargets.contains(target) || target.startsWith(QLatin1String("INSERT_"));
}

inline bool isImage(const QString& type)
{
    return type.startsWith(QLatin1String("image/")) || type == pdf;
}

// Older names of the one text an owner offers, which add nothing next to a UTF-8 one.
inline bool isLegacyTextAlias(const QString& type)
{
    static const QStringList aliases = {latin1String, compatibilityText, QStringLiteral("COMPOUND_TEXT"),
                                        QStringLiteral("text/plain")};
    static const QLatin1String charset("text/plain;charset=");
    if (aliases.contains(type))
        return true;
    return type.startsWith(charset) &&
           type.sliced(charset.size()).compare(QLatin1String("utf-8"), Qt::CaseInsensitive) != 0;
}

// Encodings image toolkits derive on request from the pixels they also offer as PNG.
inline bool isDerivedRaster(const QString& type)
{
    static const QStringList derived = {QStringLiteral("image/bmp"),
                                        QStringLiteral("image/x-bmp"),
                                        QStringLiteral("image/x-MS-bmp"),
                                        QStringLiteral("image/x-win-bitmap"),
                                        QStringLiteral("image/x-icon"),
                                        QStringLiteral("image/x-ico"),
                                        QStringLiteral("image/ico"),
                                        QStringLiteral("image/icon"),
                                        QStringLiteral("image/vnd.microsoft.icon"),
                                        QStringLiteral("application/ico"),
                                        QStringLiteral("text/ico"),
                                        QStringLiteral("image/tiff"),
                                        QStringLiteral("image/jpeg"),
                                        QStringLiteral("image/x-tga"),
                                        QStringLiteral("image/x-xbitmap"),
                                        QStringLiteral("image/x-xpixmap"),
                                        QStringLiteral("image/webp"),
                                        QStringLiteral("image/avif")};
    return derived.contains(type) || type.startsWith(QLatin1String("image/x-portable-"));
}

inline bool isUtf8TextName(const QString& type)
{
    return type == string || type == QLatin1String("UTF8_STRING");
}

// The offered types a capture reads, in the owner's order: one text under many names and one
// picture under many encodings are stored once, so a screenshot costs one read, not twenty.
// Of the UTF-8 text names the first offered is kept; the write-back offers all of them again.
inline QStringList distinctTypes(const QStringList& offered)
{
    const bool utf8Text = std::any_of(offered.cbegin(), offered.cend(), isUtf8TextName);
    const bool pngImage = offered.contains(png);
    QStringList kept;
    bool textKept = false;
    for (const QString& type : offered) {
        if ((utf8Text && isLegacyTextAlias(type)) || (pngImage && isDerivedRaster(type)))
            continue;
        if (isUtf8TextName(type)) {
            if (textKept)
                continue;
            textKept = true;
        }
        kept.append(type);
    }
    return kept;
}

} // namespace PasteboardType
