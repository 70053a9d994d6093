#include "platform/GnomeCustomKeybinding.h"

#include "common/Log.h"
#include "platform/KeyTable.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <utility>

namespace {
const QString kTag = QStringLiteral("gnome shortcut");
constexpr int kTimeoutMs = 10000;

// A GVariant string literal in single quotes.
QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}
} // namespace

GnomeCustomKeybinding::GnomeCustomKeybinding(QObject* parent) : QObject(parent) {}

bool GnomeCustomKeybinding::isAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty();
}

QString GnomeCustomKeybinding::accelerator(const KeyCombo& combo)
{
    QString text;
    if (combo.carbonModifiers & CarbonModifier::command)
        text += QLatin1String("<Control>");
    if (combo.carbonModifiers & CarbonModifier::option)
        text += QLatin1String("<Alt>");
    if (combo.carbonModifiers & CarbonModifier::shift)
        text += QLatin1String("<Shift>");
    if (combo.carbonModifiers & CarbonModifier::control)
        text += QLatin1String("<Super>");
    QString key = KeyTable::keyName(combo.carbonKeyCode);
    if (key.size() == 1 || key == QLatin1String("Space"))
        key = key.toLower();
    return text + key;
}

QStringList GnomeCustomKeybinding::parseStringArray(const QString& text)
{
    QStringList strings;
    QString current;
    bool inString = false;
    QChar quote;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!inString) {
            if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                inString = true;
                quote = c;
                current.clear();
            }
            continue;
        }
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            current += text.at(++i);
        } else if (c == quote) {
            inString = false;
            strings << current;
        } else {
            current += c;
        }
    }
    return strings;
}

QString GnomeCustomKeybinding::formatStringArray(const QStringList& strings)
{
    if (strings.isEmpty())
        return QStringLiteral("@as []");
    QStringList items;
    for (const QString& s : strings)
        items << quoted(s);
    return QLatin1Char('[') + items.join(QLatin1String(", ")) + QLatin1Char(']');
}

void GnomeCustomKeybinding::add(const KeyCombo& combo, Done done)
{
    done_ = std::move(done);
    const QString entry = entrySchema + QLatin1Char(':') + entryPath;
    const QString binding = accelerator(combo);
    run({QStringLiteral("get"), listSchema, QStringLiteral("custom-keybindings")},
        [this, entry, binding](const QString& output) {
            QStringList list = parseStringArray(output);
            const bool listed = list.contains(entryPath);
            if (!listed)
                list << entryPath;
            const auto setEntry = [this, entry, binding](const QString&) {
                run({QStringLiteral("set"), entry, QStringLiteral("name"), quoted(QStringLiteral("Brimble"))},
                    [this, entry, binding](const QString&) {
                        run({QStringLiteral("set"), entry, QStringLiteral("command"), quoted(command)},
                            [this, entry, binding](const QString&) {
                                run({QStringLiteral("set"), entry, QStringLiteral("binding"),
                                     quoted(binding)},
                                    [this, binding](const QString&) {
                                        Log::info(
                                            kTag,
                                            QStringLiteral("GNOME runs \"%1\" on %2").arg(command, binding));
                                        if (const Done done = std::exchange(done_, {}))
                                            done(true, {});
                                    });
                            });
                    });
            };
            if (listed) {
                setEntry({});
                return;
            }
            run({QStringLiteral("set"), listSchema, QStringLiteral("custom-keybindings"),
                 formatStringArray(list)},
                setEntry);
        });
}

void GnomeCustomKeybinding::run(QStringList arguments, std::function<void(const QString& output)> next)
{
    auto* process = new QProcess(this);
    auto* timer = new QTimer(process);
    const QString what = QStringLiteral("gsettings ") + arguments.join(QLatin1Char(' '));
    const auto fail = [this, what](const QString& why) {
        Log::warning(kTag, QStringLiteral("%1: %2").arg(what, why));
        if (const Done done = std::exchange(done_, {}))
            done(false, why);
    };
    connect(process, &QProcess::finished, this,
            [process, next = std::move(next), fail](int code, QProcess::ExitStatus status) {
                process->deleteLater();
                const QString errors = QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
                if (status != QProcess::NormalExit || code != 0) {
                    fail(errors.isEmpty() ? QStringLiteral("exit status %1").arg(code) : errors);
                    return;
                }
                next(QString::fromUtf8(process->readAllStandardOutput()).trimmed());
            });
    connect(process, &QProcess::errorOccurred, this, [process, fail](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        fail(QStringLiteral("the gsettings tool could not be started"));
    });
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, process, [process] { process->kill(); });
    timer->start(kTimeoutMs);
    process->start(QStringLiteral("gsettings"), arguments);
}
