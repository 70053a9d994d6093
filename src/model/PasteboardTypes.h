#pragma once

#include <QString>
#include <QStringList>

// Clipboard type names as Brimble stores and compares them (exact strings). The names follow
// the X11/freedesktop conventions: MIME types and X11 target names.
namespace PasteboardType {

// Plain text: read the first of stringReadOrder that is present, write all of them.
inline const QString string = QStringLiteral("text/plain;charset=utf-8");
inline const QStringList stringReadOrder = {QStringLiteral("text/plain;charset=utf-8"),
                                            QStringLiteral("UTF8_STRING"), QStringLiteral("text/plain")};
inline const QString rtf = QStringLiteral("text/rtf");
inline const QStringList rtfAliases = {QStringLiteral("text/rtf"), QStringLiteral("text/richtext"),
                                       QStringLiteral("application/rtf")};
// Never offered on Linux; kept so items recorded elsewhere still classify.
inline const QString rtfd = QStringLiteral("com.apple.flat-rtfd");
inline const QString tiff = QStringLiteral("image/tiff");
inline const QString png = QStringLiteral("image/png");
inline const QString pdf = QStringLiteral("application/pdf");
inline const QString fileURL = QStringLiteral("text/uri-list");

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

} // namespace PasteboardType
