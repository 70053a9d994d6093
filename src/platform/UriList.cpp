#include "platform/UriList.h"

#include <QStringDecoder>

namespace UriList {

namespace {

// The path part of a local file URI, still percent-encoded; empty when the URI names no
// local file.
QByteArrayView encodedLocalPath(QByteArrayView line)
{
    if (line.startsWith('/'))
        return line;
    if (line.size() < 5 || qstrnicmp(line.data(), "file:", 5) != 0)
        return {};
    const QByteArrayView rest = line.sliced(5);
    if (!rest.startsWith("//"))
        return rest.startsWith('/') ? rest : QByteArrayView();
    // "file://host/path": only an empty host and "localhost" are this machine.
    const qsizetype slash = rest.indexOf('/', 2);
    if (slash < 0)
        return {};
    const QByteArrayView host = rest.sliced(2, slash - 2);
    if (!host.isEmpty() && qstrnicmp(host.data(), host.size(), "localhost", 9) != 0)
        return {};
    return rest.sliced(slash);
}

QString decodedPath(QByteArrayView encoded)
{
    const QByteArray bytes = QByteArray::fromPercentEncoding(encoded.toByteArray());
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
    const QByteArrayView list(uriList);
    for (qsizetype start = 0; start < list.size();) {
        qsizetype end = list.indexOf('\n', start);
        if (end < 0)
            end = list.size();
        // trimmed() also takes the CR of a CRLF line ending.
        const QByteArrayView line = list.sliced(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QByteArrayView encoded = encodedLocalPath(line);
        entries.append(Entry{line.toByteArray(), encoded.isEmpty() ? QString() : decodedPath(encoded)});
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
        lines.append(entry.isLocalFile() ? entry.localPath : QString::fromUtf8(entry.uri));
    return lines.join(QLatin1Char('\n'));
}

} // namespace UriList
