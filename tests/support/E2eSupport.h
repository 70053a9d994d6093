#pragma once

#include "model/PasteInfModel.h"

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// Drives the real brimble program and the X11 helper programs for the end-to-end tests. Each
// BrimbleSession has private XDG folders (data, config, state, runtime, and a data dir with
// the test application's desktop file), so tests never see each other's history.
class CoreDataManager;

class BrimbleSession
{
public:
    // The desktop entry the helper windows resolve to.
    static inline const QString testAppClass = QStringLiteral("BrimbleTestApp");
    static inline const QString testAppId = QStringLiteral("brimble-test-app");
    static inline const QString testAppName = QStringLiteral("Brimble Test App");

    BrimbleSession();
    ~BrimbleSession();

    QString home() const { return dir_.path(); }
    QString desktopFilePath() const;
    QProcessEnvironment environment() const;

    // Starts brimble and waits until it answers on its socket. An empty value in `extra`
    // removes that variable.
    bool start(const QProcessEnvironment& extra = {});
    // Asks it to quit and waits for it to exit; returns its exit code (-1 when killed).
    int stop();
    // Sends SIGTERM and waits for it to exit; returns its exit code (-1 when it had to be killed).
    int terminate();
    bool isRunning() const;
    QProcess* process() const { return brimble_.get(); }
    QString log() const;

    struct Result
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    // Runs `brimble ARGS` as a command-line client of this session.
    Result cli(const QStringList& arguments, int timeoutMs = 20000) const;
    // Runs `brimble ARGS` in `environment`, of this session or none.
    static Result run(const QProcessEnvironment& environment, const QStringList& arguments, int timeoutMs = 20000);

    // The default clipboard's items as stored, newest first (read through a read-only
    // connection, as the command line does).
    QList<PasteInfModel> storedItems() const;
    int storedCount() const { return storedItems().size(); }
    // Closes that connection until the next read: it would keep the write-ahead log alive.
    void closeStore() const;
    // Waits until the default clipboard holds `count` items (or the time-out passes).
    bool waitForCount(int count, int timeoutMs = 8000) const;

    QString databasePath() const;
    QString preferencesPath() const;

private:
    QTemporaryDir dir_;
    std::unique_ptr<QProcess> brimble_;
    mutable QByteArray log_;
    mutable std::unique_ptr<CoreDataManager> store_;
};

// A helper program (clipowner, pastetarget) running until destroyed.
class HelperProcess
{
public:
    HelperProcess(const QString& program, const QStringList& arguments, const QProcessEnvironment& env);
    ~HelperProcess();
    // Waits for the "ready" line.
    bool waitReady(int timeoutMs = 10000);
    bool waitForLine(const QString& line, int timeoutMs = 10000);
    QProcess& process() { return process_; }

private:
    QProcess process_;
    QByteArray output_;
};

namespace E2e {
QString helperPath(const QString& name);
// Copies `text` with xclip (target UTF8_STRING unless given); xclip keeps serving it.
void xclipCopy(const QByteArray& data, const QString& target = QString());
// Reads the clipboard with xclip: one target's bytes, or the TARGETS list.
QByteArray xclipRead(const QString& target);
QStringList xclipTargets();
bool waitUntil(const std::function<bool()>& condition, int timeoutMs);
// Runs xdotool and returns what it printed.
QString xdotool(const QStringList& arguments);
// Types a chord ("ctrl+alt+v", "F2") into the window in front, whatever modifiers are held.
bool key(const QString& keys);
// The targets the pastetarget helper was offered at its last paste (its --report file), by
// name, with their bytes; and the text among them, empty before its first paste.
QMap<QString, QByteArray> pastedTargets(const QString& report);
QByteArray pastedText(const QString& report);
// The quick search panel's X window while it is mapped, else empty.
QString mappedPanel();
bool panelIsShownAndFocused();
bool panelIsHidden();
void settle(int ms);
} // namespace E2e
