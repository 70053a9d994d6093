#include "NestedMutter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace {
const QString socketName = QStringLiteral("brimble-mutter");
}

NestedMutter::NestedMutter()
{
    QFile::setPermissions(runtime_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

NestedMutter::~NestedMutter()
{
    if (mutter_.state() == QProcess::NotRunning)
        return;
    mutter_.terminate();
    if (!mutter_.waitForFinished(5000)) {
        mutter_.kill();
        mutter_.waitForFinished(3000);
    }
}

QString NestedMutter::start()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return QStringLiteral("no X display to nest mutter in");
    for (const char* program : {"mutter", "Xwayland", "dbus-run-session", "xdotool"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty())
            return QStringLiteral("%1 is not installed (scripts/setup installs it)")
                .arg(QLatin1String(program));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    env.remove("WAYLAND_DISPLAY");
    mutter_.setProcessEnvironment(env);
    // The shell prints its process id on standard output and becomes mutter, so that its
    // window can be found; mutter and the bus talk on standard error.
    mutter_.start(
        "dbus-run-session",
        {"--", "sh", "-c", "echo $$; exec mutter --nested --wayland --wayland-display " + socketName});
    QByteArray log;
    const QRegularExpression display(QStringLiteral("Using public X11 display (:\\d+)"));
    QRegularExpressionMatch match;
    QElapsedTimer timer;
    timer.start();
    while (mutter_.state() != QProcess::NotRunning && timer.elapsed() < 20000) {
        mutter_.waitForReadyRead(50);
        log += mutter_.readAllStandardError();
        match = display.match(QString::fromUtf8(log));
        if (match.hasMatch())
            break;
    }
    const QStringList auth =
        QDir(runtime_.path()).entryList({".mutter-Xwaylandauth.*"}, QDir::Files | QDir::Hidden);
    if (!match.hasMatch() || auth.isEmpty())
        return "mutter did not start nested with XWayland: " + QString::fromUtf8(log.right(600));
    xwaylandDisplay_ = match.captured(1);
    xauthority_ = runtime_.filePath(auth.first());

    // Its window takes the host keyboard (a window manager activates it; without one, focus).
    const QString pid = QString::fromUtf8(mutter_.readAllStandardOutput()).trimmed();
    timer.restart();
    while (!pid.isEmpty() && timer.elapsed() < 10000) {
        QProcess search;
        search.start("xdotool", {"search", "--pid", pid});
        search.waitForFinished(5000);
        const QString window =
            QString::fromUtf8(search.readAllStandardOutput()).section('\n', 0, 0).trimmed();
        if (!window.isEmpty() && (QProcess::execute("xdotool", {"windowactivate", "--sync", window}) == 0 ||
                                  QProcess::execute("xdotool", {"windowfocus", "--sync", window}) == 0))
            return {};
        QThread::msleep(100);
    }
    return "mutter's window did not take the keyboard: " + QString::fromUtf8(log.right(600));
}

QString NestedMutter::waylandSocket() const
{
    return runtime_.filePath(socketName);
}

QProcessEnvironment NestedMutter::waylandClient() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    env.insert("WAYLAND_DISPLAY", socketName);
    env.insert("GDK_BACKEND", "wayland");
    env.remove("DISPLAY");
    return env;
}
