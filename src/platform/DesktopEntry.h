#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// One application's desktop file ([Desktop Entry] group only), read by a small parser of our
// own. Values are unescaped; keys we do not use are ignored.
struct DesktopEntry
{
    // Files larger than this are refused unread.
    static constexpr qint64 maxFileSize = 1024 * 1024;

    // "org.gnome.TextEditor" for .../applications/org.gnome.TextEditor.desktop.
    QString id;
    QString path;
    QString type;
    QString name;
    // Name[xx], Name[xx_YY], Name[xx@mod] by their locale part.
    QHash<QString, QString> localizedNames;
    QString exec;
    QString icon;
    QString startupWMClass;
    bool noDisplay = false;
    bool hidden = false;

    // The name for a locale such as "de_DE.UTF-8@euro": lang_COUNTRY@MODIFIER, lang_COUNTRY,
    // lang@MODIFIER, lang, then Name.
    QString localizedName(const QString& locale) const;

    // The program Exec starts: the first word after "env VAR=value ..." with quotes removed.
    QString execProgram() const;

    // Absent when the data has no [Desktop Entry] group or no Name.
    static std::optional<DesktopEntry> parse(const QByteArray& data, const QString& path = {},
                                             const QString& id = {});
    // Absent when the file cannot be read, is too large or does not parse.
    static std::optional<DesktopEntry> load(const QString& path, const QString& id = {});

    // Splits an Exec value into arguments by the desktop-entry quoting rules.
    static QStringList splitExec(const QString& exec);
    // Quotes one argument for an Exec value (before the general string escaping).
    static QString quoteExecArgument(const QString& argument);
    // The general escaping of a string value (\s \n \t \r \\).
    static QString escapeValue(const QString& value);
};
