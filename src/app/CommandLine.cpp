#include "CommandLine.h"

#include "app/InstanceChannel.h"
#include "app/UpdateChecker.h"
#include "common/ControlCharacters.h"
#include "model/CoreDataManager.h"
#include "model/HistoryArchive.h"
#include "model/HistoryQueries.h"
#include "model/HistoryReader.h"
#include "model/Localized.h"
#include "model/PasteBoardUtils.h"
#include "model/SearchHelper.h"
#include "model/StoreSalvage.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <sqlite3.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace CommandLine {
namespace {

const QStringList kVerbs = {"list",   "search", "clipboards", "copy",        "paste",   "pause",
                            "resume", "quit",   "toggle",     "preferences", "salvage", "queue",
                            "export", "import"};

struct Options
{
    QString verb;
    QStringList positional;
    QString clipboard;
    int limit = 0;
    bool json = false;
    bool plain = false;
    bool reveal = false;
};

void printError(const QString& message)
{
    fprintf(stderr, "brimble: %s\n", qPrintable(message));
}

void printOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    fflush(stdout);
}

std::optional<Options> parse(const QStringList& arguments, QString* error)
{
    Options options;
    options.verb = arguments.value(0);
    const QStringList allowed = options.verb == "list" ? QStringList{"--clipboard", "--limit", "--json", "--reveal"}
                                : options.verb == "search"
                                    ? QStringList{"--clipboard", "--limit", "--json", "--reveal"}
                                : options.verb == "clipboards" ? QStringList{"--json"}
                                : (options.verb == "copy" || options.verb == "paste")
                                    ? QStringList{"--clipboard", "--plain"}
                                : options.verb == "queue" ? QStringList{"--clipboard", "--plain", "--json"}
                                : options.verb == "export" ? QStringList{"--clipboard"}
                                                          : QStringList{};
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == "--") {
            options.positional += arguments.mid(i + 1);
            break;
        }
        if (!arg.startsWith("--") || arg == "-") {
            options.positional.append(arg);
            continue;
        }
        QString name = arg;
        std::optional<QString> value;
        if (const qsizetype eq = arg.indexOf('='); eq > 0) {
            name = arg.left(eq);
            value = arg.mid(eq + 1);
        }
        if (!allowed.contains(name)) {
            *error = QStringLiteral("%1 does not take %2 (see brimble --help)").arg(options.verb, name);
            return std::nullopt;
        }
        if (name == "--json" || name == "--plain" || name == "--reveal") {
            (name == "--json" ? options.json : name == "--plain" ? options.plain : options.reveal) = true;
            continue;
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("%1 needs a value").arg(name);
                return std::nullopt;
            }
            value = arguments.at(++i);
        }
        if (name == "--clipboard") {
            options.clipboard = *value;
        } else {
            bool ok = false;
            options.limit = value->toInt(&ok);
            if (!ok || options.limit < 1) {
                *error = QStringLiteral("--limit takes a whole number of at least 1, not \"%1\"").arg(*value);
                return std::nullopt;
            }
        }
    }
    return options;
}

QString age(const QDateTime& date, const QDateTime& now)
{
    if (!date.isValid())
        return QStringLiteral("?");
    const qint64 seconds = std::max<qint64>(0, date.secsTo(now));
    if (seconds < 60)
        return QStringLiteral("%1s").arg(seconds);
    if (seconds < 3600)
        return QStringLiteral("%1m").arg(seconds / 60);
    if (seconds < 86400)
        return QStringLiteral("%1h").arg(seconds / 3600);
    return QStringLiteral("%1d").arg(seconds / 86400);
}

QString firstLine(const std::optional<QString>& text)
{
    if (!text)
        return QString();
    QString line = text->trimmed().section(u'\n', 0, 0).trimmed();
    if (line.size() > 200)
        line = line.left(199) + QChar(0x2026);
    return ControlCharacters::escaped(line);
}

// Prints rows as they come: one line each, or the elements of one JSON array. Output goes out
// in blocks, so a listing of any length holds one block.
class ItemPrinter
{
public:
    ItemPrinter(CoreDataManager& store, bool json, bool reveal, QString clipboardTitle)
        : json_(json), store_(store), reveal_(reveal), clipboardTitle_(std::move(clipboardTitle))
    {
    }

    void add(const PasteInfRow& row)
    {
        if (json_) {
            QByteArray object =
                QJsonDocument(HistoryQueries::itemJson(store_, row, clipboardTitle_, reveal_)).toJson();
            object.chop(1);
            buffer_ += (index_ == 1 ? "[\n" : ",\n") + object;
        } else {
            buffer_ +=
                QStringLiteral("%1\t%2\t%3\t%4\n")
                    .arg(index_)
                    .arg(age(row.date, now_),
                         HistoryQueries::typeKeyword(PasteBoardUtils::displayTypeOf(row)),
                         row.secretKind && !reveal_ ? HistoryQueries::secretMask(row)
                                                    : firstLine(HistoryQueries::textOf(store_, row, false)))
                    .toUtf8();
        }
        ++index_;
        if (buffer_.size() > 64 * 1024)
            flush();
    }

    void finish()
    {
        if (json_)
            buffer_ += index_ == 1 ? "[]\n" : "\n]\n";
        flush();
    }

private:
    void flush()
    {
        fwrite(buffer_.constData(), 1, size_t(buffer_.size()), stdout);
        fflush(stdout);
        buffer_.clear();
    }

    const bool json_;
    CoreDataManager& store_;
    const bool reveal_;
    const QString clipboardTitle_;
    const QDateTime now_ = QDateTime::currentDateTimeUtc();
    qint64 index_ = 1;
    QByteArray buffer_;
};

void printClipboards(const QJsonArray& clipboards, bool json)
{
    if (json) {
        printOut(QString::fromUtf8(QJsonDocument(clipboards).toJson(QJsonDocument::Indented)));
        return;
    }
    QString out;
    for (const QJsonValue& value : clipboards) {
        const QJsonObject clipboard = value.toObject();
        out += QStringLiteral("%1\t%2 records\n")
                   .arg(ControlCharacters::escaped(clipboard.value("title").toString()))
                   .arg(clipboard.value("records").toInteger());
    }
    printOut(out);
}

// `brimble queue`: the summary line, then one line per item (position, state, text).
void printPasteQueue(const QJsonObject& queue, bool json)
{
    if (json) {
        printOut(QString::fromUtf8(QJsonDocument(queue).toJson(QJsonDocument::Indented)));
        return;
    }
    if (queue.value("state").toString() == "none") {
        printOut(QStringLiteral("No paste queue\n"));
        return;
    }
    QString out = queue.value("summary").toString() + '\n';
    for (const QJsonValue& value : queue.value("items").toArray()) {
        const QJsonObject item = value.toObject();
        const QString text = item.value("text").toString();
        out += QStringLiteral("%1\t%2\t%3\n")
                   .arg(item.value("position").toInt())
                   .arg(item.value("state").toString(),
                        text.isEmpty() ? QStringLiteral("(%1)").arg(item.value("type").toString()) : text);
    }
    printOut(out);
}

struct History
{
    QString path;
    // Why the running Brimble stopped writing to it; empty while it is sound.
    QString damage;
};

// The history file to read. A running Brimble says which one it has open: it may have been
// started with other XDG folders than this shell. The rows are then read here, from the file
// (WAL lets a reader work beside the writer), so an answer of any size costs the running
// Brimble nothing.
History history()
{
    const auto answer = InstanceChannel::request({{"verb", "database"}});
    const QString path = answer.object.value("path").toString();
    if (answer.object.value("ok").toBool() && !path.isEmpty())
        return {path, answer.object.value("damaged").toString()};
    return {CoreDataManager::defaultPath(), QString()};
}

// A damaged history is not an empty one: every verb that reads it says so, with the way out.
int reportDamage(const QString& path, const QString& reason)
{
    printError(QStringLiteral("the history %1 is damaged%2; quit Brimble (brimble quit) and run "
                              "\"brimble salvage\" to rescue what can still be read")
                   .arg(path, reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason)));
    return StoreUnreadable;
}

// list, search and clipboards.
int answerFromHistory(const Options& options, CoreDataManager& store)
{
    // The search maps the whole file into memory, which suits the long-lived Brimble; here it
    // would only count every page a full search reads towards this process's memory, while
    // reading them through SQLite's small page cache is as fast. Set before any connection
    // opens, it caps what the search asks for.
    sqlite3_config(SQLITE_CONFIG_MMAP_SIZE, qint64(0), qint64(0));
    const History found = history();
    const QString& path = found.path;
    if (!found.damage.isEmpty())
        return reportDamage(path, QString());
    HistoryReader reader(store, path);
    QString error;
    if (!reader.open(&error) || !store.openReadOnly(path, &error)) {
        printError(QStringLiteral("cannot open the history %1: %2").arg(path, error));
        return StoreUnreadable;
    }
    const auto damaged = [&] { return !reader.damage().isEmpty() || store.isDamaged(); };
    if (options.verb == "clipboards") {
        const QJsonArray clipboards = HistoryQueries::clipboardsJson(store, reader);
        if (damaged())
            return reportDamage(path, reader.damage());
        printClipboards(clipboards, options.json);
        return Success;
    }
    const auto clipboard = HistoryQueries::clipboardNamed(store, options.clipboard, &error);
    if (damaged())
        return reportDamage(path, reader.damage());
    if (!clipboard) {
        printError(error);
        return Failed;
    }
    ItemPrinter printer(store, options.json, options.reveal, clipboard->title.value_or(QString()));
    const auto sink = [&printer](const PasteInfRow& row) { printer.add(row); };
    const bool read = options.verb == "list"
                          ? HistoryQueries::list(reader, *clipboard, options.limit, sink, &error)
                          : HistoryQueries::search(store, reader, path, *clipboard,
                                                   options.positional.join(' '), options.limit, sink, &error);
    if (damaged()) {
        printer.finish();
        return reportDamage(path, reader.damage());
    }
    if (!read) {
        printError(error);
        return StoreUnreadable;
    }
    printer.finish();
    return Success;
}

int salvage()
{
    // The instance lock is held while the files change hands: a Brimble started meanwhile
    // finds it taken and leaves the history alone.
    const QByteArray lockPath = QFile::encodeName(InstanceChannel::socketPath() + ".lock");
    const int lock = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock < 0 || ::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        if (lock >= 0)
            ::close(lock);
        printError(QStringLiteral("Brimble is running: quit it first (brimble quit), then salvage"));
        return Failed;
    }
    const QString path = CoreDataManager::defaultPath();
    StoreSalvage::Report report;
    QString error;
    const bool salvaged = StoreSalvage::salvage(path, &report, &error);
    ::close(lock);
    if (!salvaged) {
        printError(error);
        return StoreUnreadable;
    }
    printOut(QStringLiteral("Salvaged %1\n"
                            "  kept: %2 items, %3 clipboards, %4 ignore rules\n"
                            "  lost: %5 items of which some rows were read, and %6 unreadable stretches "
                            "of rows\n"
                            "  rebuilt: %7 search texts, and %8 clipboards whose items outlived them "
                            "(\"Recovered clipboard\")\n"
                            "The damaged file is kept as %9\n")
                 .arg(path)
                 .arg(report.itemsKept)
                 .arg(report.clipboardsKept)
                 .arg(report.ignoreRulesKept)
                 .arg(report.itemsLost)
                 .arg(report.unreadableStretches)
                 .arg(report.textsRebuilt)
                 .arg(report.clipboardsRecreated)
                 .arg(report.keptPath));
    return Success;
}

// `export`: read here from the file, like list, so it works whether or not Brimble runs.
int exportHistory(const Options& options, CoreDataManager& store)
{
    // Its messages are the ones the preferences show, in the user's language.
    Localized::install();
    const History found = history();
    if (!found.damage.isEmpty())
        return reportDamage(found.path, QString());
    QString error;
    if (!store.openReadOnly(found.path, &error)) {
        printError(QStringLiteral("cannot open the history %1: %2").arg(found.path, error));
        return StoreUnreadable;
    }
    std::optional<PasteCategoryInfModel> clipboard;
    if (!options.clipboard.isEmpty()) {
        clipboard = HistoryQueries::clipboardNamed(store, options.clipboard, &error);
        if (!clipboard) {
            printError(error);
            return store.isDamaged() ? reportDamage(found.path, QString()) : Failed;
        }
    }
    const HistoryArchive::Result result =
        HistoryArchive::exportHistory(store, options.positional.first(), clipboard);
    if (store.isDamaged())
        return reportDamage(found.path, store.damageMessage());
    if (!result.ok) {
        printError(result.error);
        return Failed;
    }
    printOut(HistoryArchive::describeExport(result) + u'\n');
    return Success;
}

} // namespace

QString helpText()
{
    return QStringLiteral(
        "Usage: brimble [VERB [ARGUMENTS]]\n"
        "\n"
        "Without a verb, starts Brimble (or shows the running one).\n"
        "\n"
        "Verbs:\n"
        "  list [--clipboard NAME] [--limit N] [--json] [--reveal]\n"
        "                                                  the history, newest first\n"
        "  search QUERY... [--clipboard NAME] [--limit N] [--json] [--reveal]\n"
        "                                                  items matching QUERY; \"type:image,link\"\n"
        "                                                  clauses narrow by type\n"
        "  clipboards [--json]                             the clipboards with their record counts\n"
        "  copy ITEM [--plain] [--clipboard NAME]          put an item back on the clipboard\n"
        "  paste ITEM [--plain] [--clipboard NAME]         copy it and paste it into the active window\n"
        "  pause | resume                                  stop or restart recording copies\n"
        "  toggle                                          show or hide the quick search window\n"
        "  preferences                                     open the preferences window\n"
        "  quit                                            end the running Brimble\n"
        "  salvage                                         rebuild a damaged history from its readable\n"
        "                                                  rows, keeping the damaged file beside it\n"
        "  queue [ITEM...] [--plain] [--clipboard NAME] [--json]\n"
        "                                                  with ITEMs: paste them in this order, one per\n"
        "                                                  paste (Ctrl+V) anywhere; without: show the\n"
        "                                                  paste queue\n"
        "  queue clear                                     end the paste queue\n"
        "  export [--clipboard NAME] FILE                  write the history (or one clipboard) to a\n"
        "                                                  new FILE, never replacing one\n"
        "  import FILE                                     add the items of an exported FILE to the\n"
        "                                                  history, skipping those already there\n"
        "\n"
        "ITEM is a uuid or a position in the listed order (1 is the newest). NAME is a\n"
        "clipboard's title, or its uuid (`clipboards --json` shows them) where titles repeat.\n"
        "Lines of `list` and `search`: position, age, type (as type: names it), first line of\n"
        "text with control characters shown as escapes. A secret (a key, a token, a card\n"
        "number) shows its kind and length instead of its text unless --reveal is given.\n"
        "`search` also finds images by the text Brimble has read in them.\n"
        "\n"
        "Options:\n"
        "  -h, --help       show this help\n"
        "  -v, --version    show the version\n"
        "\n"
        "Environment:\n"
        "  BRIMBLE_PLATFORM=wayland|x11   the clipboard backend; by default native Wayland when\n"
        "                                 the compositor offers data control, else X11 (the log\n"
        "                                 names the one in use)\n"
        "\n"
        "Exit status: 0 done, 1 request failed, 2 usage error, 3 Brimble is not running,\n"
        "4 the history cannot be read, 5 Brimble is busy (try again), 6 paste only copied\n"
        "(automatic paste is off), 7 no display (Brimble itself).\n");
}

bool isCommand(const QStringList& arguments)
{
    // Brimble itself takes no arguments: anything else is a verb, or an error to report
    // rather than a silent start.
    return !arguments.isEmpty();
}

int run(const QStringList& arguments, CoreDataManager& store)
{
    const QString verb = arguments.value(0);
    if (verb == "--help" || verb == "-h" || verb == "help") {
        printOut(helpText());
        return Success;
    }
    if (verb == "--version" || verb == "-v") {
        printOut(QStringLiteral("brimble %1\n").arg(UpdateChecker::currentVersion()));
        return Success;
    }
    if (!kVerbs.contains(verb)) {
        printError(QStringLiteral("unknown %1 \"%2\" (see brimble --help)")
                       .arg(verb.startsWith('-') ? QStringLiteral("option") : QStringLiteral("verb"), verb));
        return Usage;
    }
    QString error;
    const auto options = parse(arguments, &error);
    if (!options) {
        printError(error);
        return Usage;
    }

    QJsonObject request{{"verb", verb}};
    if (verb == "copy" || verb == "paste") {
        if (options->positional.size() != 1) {
            printError(QStringLiteral("%1 takes one item: a uuid or a position").arg(verb));
            return Usage;
        }
        request["item"] = options->positional.first();
        request["plain"] = options->plain;
        request["clipboard"] = options->clipboard;
    } else if (verb == "queue") {
        if (options->positional == QStringList{"clear"}) {
            request["action"] = QStringLiteral("clear");
        } else if (!options->positional.isEmpty()) {
            if (options->positional.contains("clear")) {
                printError(QStringLiteral("queue clear takes no items"));
                return Usage;
            }
            request["action"] = QStringLiteral("start");
            request["items"] = QJsonArray::fromStringList(options->positional);
            request["plain"] = options->plain;
            request["clipboard"] = options->clipboard;
        }
    } else if (verb == "search") {
        if (options->positional.isEmpty()) {
            printError(QStringLiteral("search needs a query"));
            return Usage;
        }
        // A mistyped type would otherwise search for its words as text and find nothing.
        const ParsedQuery query = SearchHelper::parseQuery(options->positional.join(' ').trimmed());
        if (query.badTypeClause) {
            printError(QStringLiteral("\"%1\": type: takes %2")
                           .arg(ControlCharacters::escaped(*query.badTypeClause), SearchHelper::typeClauseWords()));
            return Usage;
        }
    } else if (verb == "export" || verb == "import") {
        if (options->positional.size() != 1 || options->positional.first().isEmpty()) {
            printError(QStringLiteral("%1 takes one file").arg(verb));
            return Usage;
        }
        // The running Brimble has a working folder of its own.
        request["path"] = QFileInfo(options->positional.first()).absoluteFilePath();
    } else if (!options->positional.isEmpty()) {
        printError(QStringLiteral("%1 takes no argument \"%2\"").arg(verb, options->positional.first()));
        return Usage;
    }

    if (verb == "list" || verb == "search" || verb == "clipboards")
        return answerFromHistory(*options, store);
    if (verb == "salvage")
        return salvage();
    if (verb == "export")
        return exportHistory(*options, store);
    if (verb == "copy" || verb == "paste" || (verb == "queue" && request.contains("items"))) {
        const History running = history();
        if (!running.damage.isEmpty())
            return reportDamage(running.path, QString());
    }

    // An import writes in the running Brimble, so its panel shows what came in; a large file
    // takes a while.
    const InstanceChannel::Answer answer =
        InstanceChannel::request(request, verb == "import" ? 30 * 60 * 1000 : 10000);
    if (answer.status == InstanceChannel::Answer::Status::NotRunning) {
        printError(QStringLiteral("Brimble is not running (start it with `brimble`)"));
        return NotRunning;
    }
    if (answer.isBusy()) {
        // It runs: starting another would only compete with it for the clipboard.
        printError(answer.object.value("error").toString(
            QStringLiteral("Brimble is busy and did not take the request; try again in a moment")));
        return Busy;
    }
    if (!answer.object.value("ok").toBool()) {
        printError(answer.object.value("error").toString(QStringLiteral("the request failed")));
        return Failed;
    }
    if (verb == "import") {
        printOut(answer.object.value("message").toString() + u'\n');
        return Success;
    }
    if (verb == "queue") {
        printPasteQueue(answer.object.value("queue").toObject(), options->json);
        return Success;
    }
    if (verb == "paste" && answer.object.value("pasted") == QJsonValue(false)) {
        printError(QStringLiteral("copied to the clipboard but not pasted: automatic paste is off "
                                  "(Preferences, General)"));
        return CopiedOnly;
    }
    return Success;
}

} // namespace CommandLine
