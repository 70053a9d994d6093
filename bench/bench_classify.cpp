// Classification of a stored history: 100,000 items classified from cold (loaded from the store
// with their content read lazily, as the result list and the search see them), and the short
// path of an item that is already classified.
//
// The history is generated once into /tmp/brimble-bench-classify-v1.sqlite (delete it to
// regenerate); every cold run works on a fresh copy, so it starts unclassified.
//
//   /tmp/devbuild bench_classify && build/bench/bench_classify --benchmark_counters_tabular=true

#include "BenchSupport.h"

#include "model/CoreDataManager.h"
#include "model/PasteBoardUtils.h"
#include "model/PasteCategoryInfModel.h"
#include "model/Preferences.h"
#include "platform/PasteboardTypes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <QUuid>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace {

constexpr int kItems = 100000;
const QString kPristine = QStringLiteral("/tmp/brimble-bench-classify-v1.sqlite");

struct Rng
{
    quint64 state;
    quint64 next()
    {
        quint64 z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    quint32 below(quint32 n) { return quint32(next() % n); }
};

QByteArray words(Rng& rng, int bytes)
{
    static const char* const vocabulary[] = {"the",   "meeting", "return", "value", "build", "thanks",
                                             "const", "select",  "error",  "today", "café",  "data"};
    QByteArray text;
    text.reserve(bytes + 16);
    while (text.size() < bytes) {
        text.append(vocabulary[rng.below(12)]);
        text.append(rng.below(8) == 0 ? '\n' : ' ');
    }
    return text;
}

// A text length like a clipboard's: mostly short, a few long.
int textLength(Rng& rng)
{
    const quint32 r = rng.below(1000);
    if (r < 500)
        return 10 + int(rng.below(90));
    if (r < 900)
        return 100 + int(rng.below(900));
    if (r < 995)
        return 1000 + int(rng.below(9000));
    return 10000 + int(rng.below(90000));
}

// Out of 1000: 30 rich texts, 50 links, 20 colours, 10 images (about 20 KB), 30 file lists;
// the rest plain text. Text items offer the plain-text names the way X11 owners do.
PasteInfModel makeItem(Rng& rng, int index, const QDateTime& date)
{
    using Rep = PasteboardItem::Representation;
    QList<Rep> reps;
    const quint32 kind = rng.below(1000);
    if (kind < 30) {
        const QByteArray text = words(rng, textLength(rng));
        reps = {Rep{PasteboardType::rtf, "{\\rtf1\\ansi " + text + "}"}, Rep{PasteboardType::string, text},
                Rep{QStringLiteral("UTF8_STRING"), text}};
    } else if (kind < 80) {
        const QByteArray link = "https://example.com/page/" + QByteArray::number(index) + "?ref=bench";
        reps = {Rep{PasteboardType::string, link}, Rep{QStringLiteral("UTF8_STRING"), link}};
    } else if (kind < 100) {
        const QByteArray colour = "#" + QByteArray::number(rng.below(0xFFFFFF), 16).rightJustified(6, '0');
        reps = {Rep{PasteboardType::string, colour}};
    } else if (kind < 110) {
        QByteArray png(20000, '\0');
        for (char& byte : png)
            byte = char(rng.next());
        reps = {Rep{PasteboardType::png, png}, Rep{QStringLiteral("image/bmp"), png}};
    } else if (kind < 140) {
        QByteArray list;
        for (int f = 0, n = 1 + int(rng.below(4)); f < n; ++f)
            list += "file:///home/user/Documents/report%20" + QByteArray::number(index * 10 + f) + ".pdf\r\n";
        reps = {Rep{PasteboardType::fileURL, list},
                Rep{QStringLiteral("x-special/gnome-copied-files"), "copy"}};
    } else {
        const QByteArray text = words(rng, textLength(rng));
        reps = {Rep{QStringLiteral("TEXT"), text}, Rep{PasteboardType::string, text},
                Rep{QStringLiteral("UTF8_STRING"), text}, Rep{QStringLiteral("text/plain"), text}};
    }
    PasteInfModel item;
    item.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    item.date = date;
    item.categoryUUID = kDefaultCategoryUUID;
    QStringList types;
    for (const Rep& rep : reps)
        types.append(rep.type);
    item.types = types;
    item.appName = QStringLiteral("Text Editor");
    item.appBundleIdentifier = QStringLiteral("org.gnome.TextEditor");
    item.setPasteboardItems(PasteboardItems{PasteboardItem(reps)});
    return item;
}

struct Environment
{
    QTemporaryDir dir;
    QString work;
    CoreDataManager store;

    Environment()
    {
        qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toUtf8());
        qputenv("XDG_DATA_HOME", (dir.path() + "/data").toUtf8());
        qputenv("XDG_STATE_HOME", (dir.path() + "/state").toUtf8());
        work = dir.path() + "/Brimble.sqlite";
        if (!QFile::exists(kPristine))
            generate();
    }

    void generate()
    {
        std::fprintf(stderr, "generating %d items into %s\n", kItems, qPrintable(kPristine));
        store.close();
        if (!store.open(kPristine))
            std::abort();
        Rng rng{7};
        const QDateTime start = QDateTime::currentDateTime();
        BenchSupport::QuietStderr quiet;
        store.performBatch([&] {
            for (int i = 0; i < kItems; ++i)
                store.insertPasteInf(makeItem(rng, i, start.addMSecs(-i)));
        });
        store.save();
        store.close();
    }

    // A fresh, unclassified copy of the history.
    void openCopy()
    {
        store.close();
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(work + suffix);
        if (!QFile::copy(kPristine, work) || !store.open(work))
            std::abort();
    }
};

// Made on first use and gone before main() returns, with the store closed.
std::unique_ptr<Environment> g_environment;

Environment& environment()
{
    if (!g_environment)
        g_environment = std::make_unique<Environment>();
    return *g_environment;
}

PasteCategoryInfModel defaultClipboard()
{
    PasteCategoryInfModel clipboard;
    clipboard.uuid = kDefaultCategoryUUID;
    return clipboard;
}

// The whole history from cold: the load, every item's first classification and (separately
// reported) the queued store writes of the results.
void BM_ClassifyHistoryCold(benchmark::State& state)
{
    Environment& env = environment();
    double loadSeconds = 0, classifySeconds = 0, writeSeconds = 0;
    std::map<PasteInfoDisplayType, int> counts;
    for (auto _ : state) {
        state.PauseTiming();
        env.openCopy();
        counts.clear();
        state.ResumeTiming();

        QElapsedTimer timer;
        timer.start();
        QList<PasteInfModel> items = env.store.fetchPasteInfs(defaultClipboard());
        const qint64 loaded = timer.nsecsElapsed();
        // A pass over a whole clipboard reads the content in batches, as the search does.
        env.store.preloadContent(items);
        for (PasteInfModel& item : items) {
            const auto content = PasteBoardUtils::preferredContent(item, &env.store);
            if (content)
                ++counts[content->displayType];
        }
        const qint64 classified = timer.nsecsElapsed();
        env.store.waitForQueued();
        const qint64 written = timer.nsecsElapsed();

        loadSeconds += loaded / 1e9;
        classifySeconds += (classified - loaded) / 1e9;
        writeSeconds += (written - classified) / 1e9;
        if (items.size() != kItems)
            state.SkipWithError("history not loaded");
    }
    const double n = double(state.iterations());
    state.counters["load_s"] = loadSeconds / n;
    state.counters["classify_s"] = classifySeconds / n;
    state.counters["drain_writes_s"] = writeSeconds / n;
    state.counters["plain"] = counts[PasteInfoDisplayType::PlainText];
    state.counters["rtf"] = counts[PasteInfoDisplayType::RichTextFormat];
    state.counters["link"] = counts[PasteInfoDisplayType::Link];
    state.counters["color"] = counts[PasteInfoDisplayType::Color];
    state.counters["image"] = counts[PasteInfoDisplayType::Image];
    state.counters["file"] = counts[PasteInfoDisplayType::File];
}
BENCHMARK(BM_ClassifyHistoryCold)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The share of the cold run that is the store's: the same load and lazy content reads, without
// classifying (and so without writes).
void BM_LoadHistoryContentCold(benchmark::State& state)
{
    Environment& env = environment();
    for (auto _ : state) {
        state.PauseTiming();
        env.openCopy();
        state.ResumeTiming();
        QList<PasteInfModel> items = env.store.fetchPasteInfs(defaultClipboard());
        env.store.preloadContent(items);
        qsizetype loaded = 0;
        for (const PasteInfModel& item : items)
            loaded += item.pasteboardItems() ? 1 : 0;
        if (loaded != kItems)
            state.SkipWithError("content not loaded");
    }
}
BENCHMARK(BM_LoadHistoryContentCold)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// One item that already carries its classification, content loaded: the path every list row
// and every search hit takes after the first time.
void BM_ClassifiedItem(benchmark::State& state)
{
    using Rep = PasteboardItem::Representation;
    const QByteArray text = "Meeting notes for today: bring the build numbers and the error list.";
    QList<Rep> reps;
    switch (state.range(0)) {
    case 0:
        reps = {Rep{QStringLiteral("TEXT"), text}, Rep{PasteboardType::string, text},
                Rep{QStringLiteral("UTF8_STRING"), text}};
        break;
    case 1:
        reps = {Rep{PasteboardType::string, "https://example.com/page/42?ref=bench"}};
        break;
    case 2:
        reps = {Rep{PasteboardType::png, QByteArray(200000, 'x')}};
        break;
    case 3:
        reps = {Rep{PasteboardType::fileURL, "file:///home/user/a%20b.pdf\r\nfile:///home/user/c.pdf\r\n"}};
        break;
    case 4:
        reps = {Rep{PasteboardType::rtf, "{\\rtf1 " + text + "}"}, Rep{PasteboardType::string, text}};
        break;
    }
    PasteInfModel item;
    QStringList types;
    for (const Rep& rep : reps)
        types.append(rep.type);
    item.types = types;
    item.setPasteboardItems(PasteboardItems{PasteboardItem(reps)});
    if (!PasteBoardUtils::preferredContent(item, nullptr))
        state.SkipWithError("not classified");
    for (auto _ : state) {
        auto content = PasteBoardUtils::preferredContent(item, nullptr);
        benchmark::DoNotOptimize(content);
    }
}
BENCHMARK(BM_ClassifiedItem)->ArgName("kind(0 text,1 link,2 image,3 files,4 rtf)")->DenseRange(0, 4);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_environment.reset();
    return 0;
}
