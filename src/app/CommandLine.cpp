#include "CommandLine.h"

#include "app/HistoryQueries.h"
#include "app/InstanceChannel.h"
#include "model/CoreDataManager.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace CommandLine {
namespace {

const QStringList kVerbs = {"list",  "search", "clipboards", "copy",  "paste",
                            "pause", "resume", "quit",       "toggle"};

struct Options
{
    QString verb;
    QStringList positional;
    QString clipboard;
    int limit = 0;
    bool json = false;
    bool plain = false;
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
    const QStringList allowed = options.verb == "list"     ? QStringList{"--clipboard", "--limit", "--json"}
                                : options.verb == "search" ? QStringList{"--clipboard", "--limit", "--json"}
                                : options.verb == "clipboards" ? QStringList{"--json"}
                                : (options.verb == "copy" || options.verb == "paste")
                                    ? QStringList{"--clipboard", "--plain"}
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
        if (name == "--json" || name == "--plain") {
            (name == "--json" ? options.json : options.plain) = true;
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

QString age(const QString& isoDate)
{
    const QDateTime date = QDateTime::fromString(isoDate, Qt::ISODateWithMs);
    if (!date.isValid())
        return QStringLiteral("?");
    const qint64 seconds = std::max<qint64>(0, date.secsTo(QDateTime::currentDateTimeUtc()));
    if (seconds < 60)
        return QStringLiteral("%1s").arg(seconds);
    if (seconds < 3600)
        return QStringLiteral("%1m").arg(seconds / 60);
    if (seconds < 86400)
        return QStringLiteral("%1h").arg(seconds / 3600);
    return QStringLiteral("%1d").arg(seconds / 86400);
}

QString firstLine(const QJsonValue& text)
{
    if (!text.isString())
        return QString();
    QString line = text.toString().trimmed().section('\n', 0, 0);
    line.replace('\t', ' ');
    if (line.size() > 200)
        line = line.left(199) + QChar(0x2026);
    return line;
}

void printItems(const QJsonArray& items, bool json)
{
    if (json) {
        printOut(QString::fromUtf8(QJsonDocument(items).toJson(QJsonDocument::Indented)));
        return;
    }
    QString out;
    int index = 1;
    for (const QJsonValue& value : items) {
        const QJsonObject item = value.toObject();
        out += QStringLiteral("%1\t%2\t%3\t%4\n")
                   .arg(index++)
                   .arg(age(item.value("date").toString()), item.value("displayType").toString(),
                        firstLine(item.value("text")));
    }
    printOut(out);
}

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
                   .arg(clipboard.value("title").toString())
                   .arg(clipboard.value("records").toInt());
    }
    printOut(out);
}

// Answers a read-only verb from the database itself (WAL lets us read beside a writer).
std::optional<QJsonObject> answerFromStore(const Options& options)
{
    QString error;
    const QString path = CoreDataManager::defaultPath();
    if (!CoreDataManager::shared().openReadOnly(path, &error)) {
        printError(QStringLiteral("cannot read the history: %1").arg(error));
        return std::nullopt;
    }
    if (options.verb == "clipboards")
        return QJsonObject{{"ok", true}, {"clipboards", HistoryQueries::clipboardsJson()}};
    const auto clipboard = HistoryQueries::clipboardNamed(options.clipboard, &error);
    if (!clipboard)
        return QJsonObject{{"ok", false}, {"error", error}};
    QList<PasteInfModel> items =
        options.verb == "list"
            ? HistoryQueries::list(*clipboard, options.limit)
            : HistoryQueries::search(*clipboard, options.positional.join(' '), options.limit);
    return QJsonObject{{"ok", true},
                       {"items", HistoryQueries::itemsJson(items, clipboard->title.value_or(QString()))}};
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
        "  list [--clipboard NAME] [--limit N] [--json]    the history, newest first\n"
        "  search QUERY... [--clipboard NAME] [--limit N] [--json]\n"
        "                                                  items matching QUERY; \"type:image,link\"\n"
        "                                                  clauses narrow by type\n"
        "  clipboards [--json]                             the clipboards with their record counts\n"
        "  copy ITEM [--plain] [--clipboard NAME]          put an item back on the clipboard\n"
        "  paste ITEM [--plain] [--clipboard NAME]         copy it and paste it into the active window\n"
        "  pause | resume                                  stop or restart recording copies\n"
        "  toggle                                          show or hide the quick search window\n"
        "  quit                                            end the running Brimble\n"
        "\n"
        "ITEM is a uuid or a position in the listed order (1 is the newest).\n"
        "Lines of `list` and `search`: position, age, type, first line of text.\n"
        "\n"
        "Options:\n"
        "  -h, --help       show this help\n"
        "  -v, --version    show the version\n"
        "\n"
        "Exit status: 0 done, 1 request failed, 2 usage error, 3 Brimble is not running,\n"
        "4 the history cannot be read.\n");
}

bool isCommand(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return false;
    const QString& first = arguments.first();
    return kVerbs.contains(first) || first == "--help" || first == "-h" || first == "--version" ||
           first == "-v" || !first.startsWith('-');
}

int run(const QStringList& arguments)
{
    const QString verb = arguments.value(0);
    if (verb == "--help" || verb == "-h" || verb == "help") {
        printOut(helpText());
        return Success;
    }
    if (verb == "--version" || verb == "-v") {
        printOut(QStringLiteral("brimble %1\n").arg(QStringLiteral(BRIMBLE_VERSION)));
        return Success;
    }
    if (!kVerbs.contains(verb)) {
        printError(QStringLiteral("unknown verb \"%1\" (see brimble --help)").arg(verb));
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
    } else if (verb == "search") {
        if (options->positional.isEmpty()) {
            printError(QStringLiteral("search needs a query"));
            return Usage;
        }
        request["query"] = options->positional.join(' ');
    } else if (!options->positional.isEmpty()) {
        printError(QStringLiteral("%1 takes no argument \"%2\"").arg(verb, options->positional.first()));
        return Usage;
    }
    if (verb == "list" || verb == "search") {
        request["clipboard"] = options->clipboard;
        request["limit"] = options->limit;
    }

    const bool readOnly = verb == "list" || verb == "search" || verb == "clipboards";
    std::optional<QJsonObject> answer = InstanceChannel::request(request);
    if (!answer) {
        if (!readOnly) {
            printError(QStringLiteral("Brimble is not running (start it with `brimble`)"));
            return NotRunning;
        }
        answer = answerFromStore(*options);
        if (!answer)
            return StoreUnreadable;
    }
    if (!answer->value("ok").toBool()) {
        printError(answer->value("error").toString(QStringLiteral("the request failed")));
        return Failed;
    }
    if (verb == "list" || verb == "search")
        printItems(answer->value("items").toArray(), options->json);
    else if (verb == "clipboards")
        printClipboards(answer->value("clipboards").toArray(), options->json);
    return Success;
}

} // namespace CommandLine
