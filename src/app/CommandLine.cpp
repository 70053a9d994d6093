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
#include <QTextBoundaryFinder>

#include <cstdio>
#include <sqlite3.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace CommandLine {
namespace {

// The options of each verb. resources/cli/commandline.json describes the same, for the help, the
// manual and the completions; a test holds the two together.
const QMap<QString, QStringList> kVerbOptions = {
    {"list", {"--clipboard", "--limit", "--json", "--reveal"}},
    {"search", {"--clipboard", "--limit", "--json", "--reveal"}},
    {"clipboards", {"--json"}},
    {"copy", {"--plain", "--clipboard"}},
    {"paste", {"--plain", "--clipboard"}},
    {"pause", {}},
    {"resume", {}},
    {"toggle", {}},
    {"preferences", {}},
    {"quit", {}},
    {"salvage", {}},
    {"queue", {"--plain", "--clipboard", "--json"}},
    {"export", {"--clipboard"}},
    {"import", {}},
};

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
    const QStringList allowed = kVerbOptions.value(options.verb);
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
            *error = LocalizedCommandLine::optionNotTaken(options.verb, name);
            return std::nullopt;
        }
        if (name == "--json" || name == "--plain" || name == "--reveal") {
            (name == "--json" ? options.json : name == "--plain" ? options.plain : options.reveal) = true;
            continue;
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                *error = LocalizedCommandLine::needsValue(name);
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
                *error = LocalizedCommandLine::badLimit(*value);
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
        printOut(LocalizedCommandLine::noPasteQueue() + u'\n');
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
    printError(LocalizedCommandLine::historyDamaged(path, reason));
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
        printError(LocalizedCommandLine::cannotOpenHistory(path, error));
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
        printError(LocalizedCommandLine::salvageWhileRunning());
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
    printOut(LocalizedCommandLine::salvaged(path, report.itemsKept, report.clipboardsKept,
                                            report.ignoreRulesKept, report.itemsLost,
                                            report.unreadableStretches, report.textsRebuilt,
                                            report.clipboardsRecreated, report.keptPath) +
             u'\n');
    return Success;
}

// `export`: read here from the file, like list, so it works whether or not Brimble runs.
int exportHistory(const Options& options, CoreDataManager& store)
{
    const History found = history();
    if (!found.damage.isEmpty())
        return reportDamage(found.path, QString());
    QString error;
    if (!store.openReadOnly(found.path, &error)) {
        printError(LocalizedCommandLine::cannotOpenHistory(found.path, error));
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

constexpr int kHelpWidth = 79;

// Columns a character takes in a terminal: two for the wide East Asian scripts, one otherwise.
int displayWidth(QStringView text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        width += wide ? 2 : 1;
    }
    return width;
}

QString withoutTrailingSpace(QString text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

// `text` in lines of at most `width` columns, broken where the language allows (between words,
// or between the characters of Chinese and Japanese); a word wider than a line keeps its own.
QStringList wrapped(const QString& text, int width)
{
    QStringList lines;
    QString line;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        // Only at a space or beside a wide character: never inside "--reveal" or "a/b".
        const qsizetype at = finder.position();
        if (at < text.size() && !text.at(at - 1).isSpace() && displayWidth(text.mid(at - 1, 1)) < 2 &&
            displayWidth(text.mid(at, 1)) < 2)
            continue;
        const QString piece = text.mid(start, at - start);
        start = at;
        if (!line.isEmpty() && displayWidth(line) + displayWidth(withoutTrailingSpace(piece)) > width) {
            lines.append(withoutTrailingSpace(line));
            line.clear();
        }
        line += piece;
    }
    if (!withoutTrailingSpace(line).isEmpty())
        lines.append(withoutTrailingSpace(line));
    return lines;
}

// `lead`, then `text` wrapped in a column that starts at `indent`; a lead too wide for it has
// a line of its own.
QString hanging(const QString& lead, int indent, const QString& text)
{
    const QStringList lines = wrapped(text, kHelpWidth - indent);
    QString out;
    qsizetype next = 0;
    if (!lead.isEmpty()) {
        if (displayWidth(lead) + 2 > indent || lines.isEmpty())
            out += lead + u'\n';
        else
            out += lead.leftJustified(indent) + lines.at(next++) + u'\n';
    }
    for (; next < lines.size(); ++next)
        out += QString(indent, u' ') + lines.at(next) + u'\n';
    return out;
}

QString paragraph(const QString& text)
{
    return wrapped(text, kHelpWidth).join(u'\n') + u'\n';
}

// A summary of the description in the user's language; its English text when the catalogue
// has none.
QString summary(const QJsonObject& described)
{
    const QByteArray id = described.value("id").toString().toUtf8();
    const QString text = id.isEmpty() ? QString() : Localized::text(id.constData());
    return text.isEmpty() || text == QLatin1String(id) ? described.value("summary").toString() : text;
}

QJsonObject description()
{
    QFile file(QStringLiteral(":/cli/commandline.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

QString helpText()
{
    const QJsonObject described = description();
    QString help = LocalizedCommandLine::helpUsage() + QStringLiteral("\n\n") +
                   paragraph(LocalizedCommandLine::helpWithoutVerb()) + u'\n' +
                   LocalizedCommandLine::helpVerbs() + u'\n';
    for (const QJsonValue& value : described.value("verbs").toArray()) {
        const QJsonObject verb = value.toObject();
        QString usage = QStringLiteral("  ") + verb.value("name").toString();
        if (const QString arguments = verb.value("arguments").toString(); !arguments.isEmpty())
            usage += u' ' + arguments;
        QString options;
        for (const QJsonValue& optionValue : verb.value("options").toArray()) {
            const QJsonObject option = optionValue.toObject();
            QString name = option.value("name").toString();
            if (option.contains("value"))
                name += u' ' + option.value("value").toString();
            usage += QStringLiteral(" [%1]").arg(name);
            options += hanging(QStringLiteral("      ") + name, 24, summary(option));
        }
        help += usage + u'\n' + hanging(QString(), 6, summary(verb)) + options;
    }
    help += u'\n' + paragraph(LocalizedCommandLine::helpNotes()) + u'\n' +
            LocalizedCommandLine::helpOptions() + u'\n';
    for (const QJsonValue& value : described.value("options").toArray()) {
        const QJsonObject option = value.toObject();
        help += hanging(
            QStringLiteral("  %1, %2").arg(option.value("short").toString(), option.value("name").toString()),
            19, summary(option));
    }
    help +=
        u'\n' + LocalizedCommandLine::helpEnvironment() + u'\n' +
        hanging(QStringLiteral("  BRIMBLE_PLATFORM=wayland|x11"), 33, LocalizedCommandLine::helpPlatform()) +
        u'\n' + paragraph(LocalizedCommandLine::helpExitStatus());
    return help;
}

QMap<QString, QStringList> verbOptions()
{
    return kVerbOptions;
}

bool isCommand(const QStringList& arguments)
{
    // Brimble itself takes no arguments: anything else is a verb, or an error to report
    // rather than a silent start.
    return !arguments.isEmpty();
}

int run(const QStringList& arguments, CoreDataManager& store)
{
    // Every message, the help and a parse error included, in the user's language.
    Localized::install();
    const QString verb = arguments.value(0);
    if (verb == "--help" || verb == "-h" || verb == "help") {
        printOut(helpText());
        return Success;
    }
    if (verb == "--version" || verb == "-v") {
        printOut(QStringLiteral("brimble %1\n").arg(UpdateChecker::currentVersion()));
        return Success;
    }
    if (!kVerbOptions.contains(verb)) {
        printError(verb.startsWith('-') ? LocalizedCommandLine::unknownOption(verb)
                                        : LocalizedCommandLine::unknownVerb(verb));
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
            printError(LocalizedCommandLine::takesOneItem(verb));
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
                printError(LocalizedCommandLine::queueClearAlone());
                return Usage;
            }
            request["action"] = QStringLiteral("start");
            request["items"] = QJsonArray::fromStringList(options->positional);
            request["plain"] = options->plain;
            request["clipboard"] = options->clipboard;
        }
    } else if (verb == "search") {
        if (options->positional.isEmpty()) {
            printError(LocalizedCommandLine::searchNeedsQuery());
            return Usage;
        }
        // A mistyped type would otherwise search for its words as text and find nothing.
        const ParsedQuery query = SearchHelper::parseQuery(options->positional.join(' ').trimmed());
        if (query.badTypeClause) {
            printError(LocalizedQuickView::badTypeClause(ControlCharacters::escaped(*query.badTypeClause),
                                                         SearchHelper::typeClauseWords()));
            return Usage;
        }
    } else if (verb == "export" || verb == "import") {
        if (options->positional.size() != 1 || options->positional.first().isEmpty()) {
            printError(LocalizedCommandLine::takesOneFile(verb));
            return Usage;
        }
        // The running Brimble has a working folder of its own.
        request["path"] = QFileInfo(options->positional.first()).absoluteFilePath();
    } else if (!options->positional.isEmpty()) {
        printError(LocalizedCommandLine::takesNoArgument(verb, options->positional.first()));
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
        printError(LocalizedCommandLine::notRunning());
        return NotRunning;
    }
    if (answer.isBusy()) {
        // It runs: starting another would only compete with it for the clipboard.
        printError(answer.object.value("error").toString(LocalizedCommandLine::busy()));
        return Busy;
    }
    if (!answer.object.value("ok").toBool()) {
        printError(answer.object.value("error").toString(LocalizedCommandLine::requestFailed()));
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
        printError(LocalizedCommandLine::copiedNotPasted());
        return CopiedOnly;
    }
    return Success;
}

} // namespace CommandLine
