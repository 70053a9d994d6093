#include "platform/UriList.h"

#include <QStringDecoder>

namespace UriList {

namespace {

// The path part of a local file URI, still percent-encoded; empty when the URI names no
// local file.
QByteArray encodedLocalPath(const QByteArray& line)
{
    if (line.startsWith('/'))
        return line;
    if (!line.left(5).toLower().startsWith("file:"))
        return {};
    const QByteArray rest = line.mid(5);
    if (!rest.startsWith("//"))
        return rest.startsWith('/') ? rest : QByteArray();
    // "file://host/path": only an empty host and "localhost" are this machine.
    const qsizetype slash = rest.indexOf('/', 2);
    if (slash < 0)
        return {};
    const QByteArray host = rest.mid(2, slash - 2);
    if (!host.isEmpty() && host.toLower() != "localhost")
        return {};
    return rest.mid(slash);
}

QString decodedPath(const QByteArray& encoded)
{
    const QByteArray bytes = QByteArray::fromPercentEncoding(encoded);
    if (bytes.contains('\0'))
        return {};
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString path = decoder.decode(bytes);
    return decoder.hasError() ? QString() : path;
}

} // namespace

QList<Entry> decode(const QByteArray& uriList)
{
    QList<Entry> entries;
    for (const QByteArray& rawLine : uriList.split('\n')) {
        // trimmed() also takes the CR of a CRLF line ending.
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QByteArray encoded = encodedLocalPath(line);
        entries.append(Entry{QString::fromUtf8(line), encoded.isEmpty() ? QString() : decodedPath(encoded)});
    }
    return entries;
}

QStringList localPaths(const QByteArray& uriList)
{
    QStringList paths;
    for (const Entry& entry : decode(uriList))
        if (entry.isLocalFile())
            paths.append(entry.localPath);
    return paths;
}

QString plainText(const QByteArray& uriList)
{
    QStringList lines;
    for (const Entry& entry : decode(uriList))
        lines.append(entry.isLocalFile() ? entry.localPath : entry.uri);
    return lines.join(QLatin1Char('\n'));
}

} // namespace UriList
