#include "platform/DesktopSession.h"

#include "platform/KeyTable.h"

#include <QStringList>

namespace DesktopSession {

bool isWayland()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE").compare(QLatin1String("wayland"), Qt::CaseInsensitive) ==
               0;
}

Desktop current()
{
    // A colon-separated list, most specific first ("ubuntu:GNOME").
    const QStringList names = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(QLatin1Char(':'));
    for (const QString& name : names) {
        if (name == QLatin1String("gnome") || name == QLatin1String("gnome-classic"))
            return Desktop::gnome;
        if (name == QLatin1String("kde"))
            return Desktop::kde;
        if (name == QLatin1String("sway"))
            return Desktop::sway;
        if (name == QLatin1String("hyprland"))
            return Desktop::hyprland;
    }
    if (!qEnvironmentVariableIsEmpty("SWAYSOCK"))
        return Desktop::sway;
    if (!qEnvironmentVariableIsEmpty("HYPRLAND_INSTANCE_SIGNATURE"))
        return Desktop::hyprland;
    return Desktop::other;
}

QString configurationLine(Desktop desktop, const KeyCombo& combo)
{
    // Both take keysym names; letters in lower case.
    QString key = KeyTable::keyName(combo.carbonKeyCode);
    if (key.size() == 1 || key == QLatin1String("Space"))
        key = key.toLower();
    QStringList sway;
    QStringList hyprland;
    const auto add = [&](quint32 bit, const char* swayName, const char* hyprlandName) {
        if (combo.carbonModifiers & bit) {
            sway << QLatin1String(swayName);
            hyprland << QLatin1String(hyprlandName);
        }
    };
    // Brimble's Command is Ctrl, Option is Alt and Control is Super on Linux.
    add(CarbonModifier::command, "Ctrl", "CTRL");
    add(CarbonModifier::option, "Alt", "ALT");
    add(CarbonModifier::shift, "Shift", "SHIFT");
    add(CarbonModifier::control, "Mod4", "SUPER");
    switch (desktop) {
    case Desktop::sway:
        return QStringLiteral("bindsym %1 exec brimble toggle").arg((sway << key).join(QLatin1Char('+')));
    case Desktop::hyprland:
        return QStringLiteral("bind = %1, %2, exec, brimble toggle")
            .arg(hyprland.join(QLatin1Char(' ')), key.toUpper());
    default:
        return {};
    }
}

} // namespace DesktopSession
