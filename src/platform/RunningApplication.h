#pragma once

#include <QImage>
#include <QString>

#include <memory>
#include <optional>

// A running application as the workspace sees it: the window that represents it, its process
// and the desktop entry it resolves to. Records are immutable once made and shared between
// threads through RunningApplicationRef.
struct RunningApplication
{
    quint32 windowId = 0;
    qint64 processId = 0;
    QString localizedName;
    // The desktop file's path, else /proc/PID/exe's target.
    QString bundlePath;
    // The desktop-file id ("org.gnome.TextEditor"), else the WM_CLASS class; absent when
    // neither is known.
    std::optional<QString> bundleIdentifier;
    // WM_CLASS class, used to recognise terminal emulators.
    QString windowClass;
    QImage icon;
};

using RunningApplicationRef = std::shared_ptr<const RunningApplication>;
