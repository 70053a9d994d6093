#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The one reader of text/uri-list data (RFC 2483): one URI per line, lines ending in CRLF or
// LF, lines starting with '#' are comments. Every part of Brimble that turns a copied file
// list into paths or text goes through here, so all of them agree on what a list names.
namespace UriList {

struct Entry
{
    // The line as written, without the white space around it.
    QByteArray uri;
    // The absolute path a local file URI names, percent-decoded: "file:///p", "file:/p",
    // "file://localhost/p" and, as some programs write them, bare "/p". Empty for a URI of
    // another scheme or host, and for a path that is not UTF-8 or holds a NUL byte, since no
    // file could be shown, opened or pasted by such a name.
    QString localPath;

    bool isLocalFile() const { return !localPath.isEmpty(); }
    bool operator==(const Entry&) const = default;
};

// Every entry of the list in order, comments and empty lines left out.
QList<Entry> decode(const QByteArray& uriList);

// The local files of the list, in order.
QStringList localPaths(const QByteArray& uriList);

// The list as plain text, one line per entry: the path of a local file, any other URI as
// written.
QString plainText(const QByteArray& uriList);

} // namespace UriList
