#pragma once

#include <QString>
#include <QStringList>

// Terminal emulators paste with Shift+Insert; they are recognised by their WM_CLASS class.
namespace TerminalClasses {

inline const QStringList& known()
{
    static const QStringList classes = {QStringLiteral("xterm"),
                                        QStringLiteral("uxterm"),
                                        QStringLiteral("urxvt"),
                                        QStringLiteral("rxvt"),
                                        QStringLiteral("gnome-terminal"),
                                        QStringLiteral("gnome-terminal-server"),
                                        QStringLiteral("konsole"),
                                        QStringLiteral("xfce4-terminal"),
                                        QStringLiteral("terminator"),
                                        QStringLiteral("tilix"),
                                        QStringLiteral("alacritty"),
                                        QStringLiteral("kitty"),
                                        QStringLiteral("st"),
                                        QStringLiteral("st-256color"),
                                        QStringLiteral("lxterminal"),
                                        QStringLiteral("mate-terminal"),
                                        QStringLiteral("qterminal"),
                                        QStringLiteral("sakura"),
                                        QStringLiteral("terminology"),
                                        QStringLiteral("wezterm"),
                                        QStringLiteral("org.wezfurlong.wezterm"),
                                        QStringLiteral("foot"),
                                        QStringLiteral("guake"),
                                        QStringLiteral("tilda"),
                                        QStringLiteral("yakuake"),
                                        QStringLiteral("cool-retro-term"),
                                        QStringLiteral("kgx"),
                                        QStringLiteral("org.gnome.console"),
                                        QStringLiteral("ptyxis"),
                                        QStringLiteral("org.gnome.ptyxis")};
    return classes;
}

inline bool isTerminalClass(const QString& windowClass)
{
    return !windowClass.isEmpty() && known().contains(windowClass, Qt::CaseInsensitive);
}

} // namespace TerminalClasses
