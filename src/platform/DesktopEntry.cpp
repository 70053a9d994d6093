#include "platform/DesktopEntry.h"

#include <QFile>
#include <QSet>

namespace {

QString unescape(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            out.append(c);
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's':
            out.append(u' ');
            break;
        case 'n':
            out.append(u'\n');
            break;
        case 't':
            out.append(u'\t');
            break;
        case 'r':
            out.append(u'\r');
            break;
        case '\\':
            out.append(u'\\');
            break;
        default:
            // Unknown escapes (\; in lists among them) are kept for whoever reads the value.
            out.append(u'\\');
            out.append(next);
        }
    }
    return out;
}

bool isTrue(const QString& value)
{
    return value.trimmed() == QLatin1String("true");
}

} // namespace

QString DesktopEntry::localizedName(const QString& locale) const
{
    // lang_COUNTRY.ENCODING@MODIFIER: the encoding part never takes part in matching.
    QString lang = locale;
    QString modifier;
    if (const auto at = lang.indexOf(u'@'); at >= 0) {
        modifier = lang.mid(at + 1);
        lang.truncate(at);
    }
    if (const auto dot = lang.indexOf(u'.'); dot >= 0)
        lang.truncate(dot);
    QString country;
    if (const auto underscore = lang.indexOf(u'_'); underscore >= 0) {
        country = lang.mid(underscore + 1);
        lang.truncate(underscore);
    }
    QStringList candidates;
    if (!country.isEmpty() && !modifier.isEmpty())
        candidates << lang + u'_' + country + u'@' + modifier;
    if (!country.isEmpty())
        candidates << lang + u'_' + country;
    if (!modifier.isEmpty())
        candidates << lang + u'@' + modifier;
    candidates << lang;
    for (const QString& key : std::as_const(candidates)) {
        const QString value = localizedNames.value(key);
        if (!key.isEmpty() && !value.isEmpty())
            return value;
    }
    return name;
}

QStringList DesktopEntry::splitExec(const QString& exec)
{
    QStringList args;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\' && i + 1 < exec.size()) {
                current.append(exec[++i]);
            } else if (c == u'%' && i + 1 < exec.size()) {
                if (exec[++i] == u'%')
                    current.append(u'%');
            } else {
                current.append(c);
            }
            continue;
        }
        if (c == u' ' || c == u'\t' || c == u'\n') {
            if (inArgument)
                args.append(current);
            current.clear();
            inArgument = false;
            continue;
        }
        inArgument = true;
        if (c == u'"') {
            quoted = true;
        } else if (c == u'%' && i + 1 < exec.size()) {
            // Field codes (%f, %U, ...) stand for what the launcher fills in; "%%" is a percent.
            if (exec[++i] == u'%')
                current.append(u'%');
        } else {
            current.append(c);
        }
    }
    if (inArgument && !current.isEmpty())
        args.append(current);
    return args;
}

QString DesktopEntry::execProgram() const
{
    const QStringList args = splitExec(exec);
    qsizetype i = 0;
    if (i < args.size() && (args[i] == QLatin1String("env") || args[i].endsWith(QLatin1String("/env")))) {
        ++i;
        while (i < args.size() && (args[i].contains(u'=') || args[i].startsWith(u'-'))) {
            // env's options that take the next word as their value.
            if (args[i] == QLatin1String("-u") || args[i] == QLatin1String("-C"))
                ++i;
            ++i;
        }
    }
    return i < args.size() ? args[i] : QString();
}

QString DesktopEntry::quoteExecArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString escapedPercent = argument;
    escapedPercent.replace(u'%', QLatin1String("%%"));
    bool needsQuotes = argument.isEmpty();
    for (QChar c : argument)
        needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes)
        return escapedPercent;
    QString out = QStringLiteral("\"");
    for (QChar c : std::as_const(escapedPercent)) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            out.append(u'\\');
        out.append(c);
    }
    out.append(u'"');
    return out;
}

QString DesktopEntry::escapeValue(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out.append(QLatin1String("\\\\"));
            break;
        case '\n':
            out.append(QLatin1String("\\n"));
            break;
        case '\t':
            out.append(QLatin1String("\\t"));
            break;
        case '\r':
            out.append(QLatin1String("\\r"));
            break;
        default:
            out.append(c);
        }
    }
    return out;
}

std::optional<DesktopEntry> DesktopEntry::parse(const QByteArray& data, const QString& path,
                                                const QString& id)
{
    if (data.size() > maxFileSize)
        return std::nullopt;
    DesktopEntry entry;
    entry.path = path;
    entry.id = id;
    bool inMainGroup = false;
    bool sawMainGroup = false;
    QSet<QString> seenKeys;
    const QString text = QString::fromUtf8(data);
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            // Only the first [Desktop Entry] group counts; actions and other groups follow it.
            if (inMainGroup)
                break;
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            sawMainGroup = inMainGroup;
            continue;
        }
        if (!inMainGroup)
            continue;
        const auto eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toString();
        if (seenKeys.contains(key))
            continue; // the first of duplicate keys wins
        seenKeys.insert(key);
        const QString value = unescape(line.mid(eq + 1).trimmed());
        if (key == QLatin1String("Name")) {
            entry.name = value;
        } else if (key.startsWith(QLatin1String("Name[")) && key.endsWith(u']')) {
            entry.localizedNames.insert(key.mid(5, key.size() - 6), value);
        } else if (key == QLatin1String("Type")) {
            entry.type = value;
        } else if (key == QLatin1String("Exec")) {
            entry.exec = value;
        } else if (key == QLatin1String("Icon")) {
            entry.icon = value;
        } else if (key == QLatin1String("StartupWMClass")) {
            entry.startupWMClass = value;
        } else if (key == QLatin1String("NoDisplay")) {
            entry.noDisplay = isTrue(value);
        } else if (key == QLatin1String("Hidden")) {
            entry.hidden = isTrue(value);
        }
    }
    if (!sawMainGroup || entry.name.isEmpty())
        return std::nullopt;
    return entry;
}

std::optional<DesktopEntry> DesktopEntry::load(const QString& path, const QString& id)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxFileSize)
        return std::nullopt;
    // Reading one byte past the cap guards against files that grow or lie about their size.
    const QByteArray data = file.read(maxFileSize + 1);
    return parse(data, path, id);
}
