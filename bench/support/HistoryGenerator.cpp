#include "HistoryGenerator.h"

#include "platform/PasteboardTypes.h"
#include "platform/RunningApplication.h"

#include <QDateTime>

#include <array>
#include <cstring>

namespace HistoryGenerator {

namespace {

// splitmix64: cheap, well mixed and the same on every machine.
struct Random
{
    std::uint64_t state;

    std::uint64_t next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double uniform() { return double(next() >> 11) / double(1ULL << 53); }
    int bounded(int n) { return int(next() % std::uint64_t(n)); }
};

Random randomFor(std::uint32_t seed, int index, std::uint64_t stream)
{
    Random random{(std::uint64_t(seed) << 32) ^ std::uint64_t(std::uint32_t(index)) ^ (stream << 56)};
    random.next();
    return random;
}

constexpr std::array kWords = {
    "the",     "of",      "and",   "meeting", "invoice",   "https://example.org/a?b=1",
    "error",   "return",  "const", "Brimble", "clipboard", "release",
    "notes",   "café",    "{",     "}",       "SELECT",    "user@example.org",
    "#FF8800", "42",      "path",  "value",   "naïve",     "TODO",
    "deploy",  "staging", "résumé"};

QByteArray words(Random& random, int length)
{
    QByteArray out;
    out.reserve(length + 32);
    while (out.size() < length) {
        if (!out.isEmpty())
            out.append(random.bounded(12) == 0 ? '\n' : ' ');
        out.append(kWords[std::size_t(random.bounded(int(kWords.size())))]);
    }
    // Cut at a word boundary so the text stays valid UTF-8.
    const qsizetype cut = out.lastIndexOf(' ', length);
    out.truncate(cut > 0 ? cut : length);
    return out;
}

RunningApplicationRef application(int which)
{
    static const std::array<RunningApplicationRef, 4> apps = [] {
        std::array<RunningApplicationRef, 4> list;
        const char* ids[] = {"org.gnome.TextEditor", "firefox", "org.gnome.Terminal", "code"};
        const char* names[] = {"Text Editor", "Firefox", "Terminal", "Visual Studio Code"};
        for (int i = 0; i < 4; ++i) {
            auto app = std::make_shared<RunningApplication>();
            app->localizedName = QString::fromUtf8(names[i]);
            app->bundlePath =
                QStringLiteral("/usr/share/applications/%1.desktop").arg(QString::fromUtf8(ids[i]));
            app->bundleIdentifier = QString::fromUtf8(ids[i]);
            list[std::size_t(i)] = app;
        }
        return list;
    }();
    return apps[std::size_t(which % int(apps.size()))];
}

PasteboardItem textItem(std::uint32_t seed, int index)
{
    QByteArray body = text(seed, index);
    // The benchmark history keeps texts to 100 B - 4 KB; text() itself has the long tail.
    for (int extra = 1; body.size() < 100; ++extra)
        body += ' ' + text(seed, index + extra * 7919);
    body.truncate(4096);
    return PasteboardItem({{QStringLiteral("UTF8_STRING"), body}, {PasteboardType::string, body}});
}

PasteboardItem imageItem(Random& random)
{
    // PNG signature and ~200 KB of incompressible bytes: what a screenshot costs to store.
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    const int size = 190 * 1024 + random.bounded(20 * 1024);
    png.resize(size);
    for (int i = 8; i + 8 <= size; i += 8) {
        const std::uint64_t v = random.next();
        memcpy(png.data() + i, &v, 8);
    }
    return PasteboardItem({{PasteboardType::png, png}});
}

PasteboardItem fileListItem(Random& random, int index)
{
    QByteArray uris;
    QByteArray paths;
    const int count = 1 + random.bounded(5);
    for (int i = 0; i < count; ++i) {
        const QByteArray path = "/home/user/Documents/project " + QByteArray::number(index) + "/file-" +
                                QByteArray::number(i) + ".txt";
        uris += "file://" + path.toPercentEncoding("/") + "\r\n";
        paths += (i ? "\n" : "") + path;
    }
    return PasteboardItem({{QStringLiteral("x-special/gnome-copied-files"), "copy\n" + uris.trimmed()},
                           {PasteboardType::fileURL, uris},
                           {PasteboardType::string, paths}});
}

} // namespace

QByteArray text(std::uint32_t seed, int index)
{
    Random random = randomFor(seed, index, 1);
    const double u = random.uniform();
    int length;
    if (u < 0.5)
        length = 8 + int(92 * (u / 0.5)); // half up to 100 B
    else if (u < 0.9)
        length = 100 + int(900 * ((u - 0.5) / 0.4)); // 100 B - 1 KB
    else if (u < 0.995)
        length = 1000 + int(15000 * ((u - 0.9) / 0.095)); // 1 KB - 16 KB
    else
        length = 16384 + int((1024 * 1024 - 16384) * ((u - 0.995) / 0.005)); // up to 1 MB
    return words(random, length);
}

PasteInfModel item(const Shape& shape, int index)
{
    Random random = randomFor(shape.seed, index, 2);
    const int kind = random.bounded(1000);
    PasteboardItem content;
    if (kind < shape.imagesPerMille)
        content = imageItem(random);
    else if (kind < shape.imagesPerMille + shape.fileListsPerMille)
        content = fileListItem(random, index);
    else
        content = textItem(shape.seed, index);
    PasteInfModel model =
        PasteInfModel::capture(PasteboardItems{content}, content.types(), application(random.bounded(4)));
    // Oldest last: item i was copied i minutes before the newest.
    model.date = QDateTime(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC).addSecs(-60LL * index);
    return model;
}

} // namespace HistoryGenerator
