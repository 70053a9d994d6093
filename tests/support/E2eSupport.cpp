#include "E2eSupport.h"

#include "model/CoreDataManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QThread>

namespace {
QString brimbleBinary()
{
    return qEnvironmentVariable("BRIMBLE_BIN", QStringLiteral("brimble"));
}
} // namespace

namespace E2e {

QString helperPath(const QString& name)
{
    return qEnvironmentVariable("BRIMBLE_HELPER_DIR") + "/" + name;
}

void settle(int ms)
{
    QTest::qWait(ms);
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (condition())
            return true;
        QTest::qWait(50);
    }
    return condition();
}

void xclipCopy(const QByteArray& data, const QString& target)
{
    QStringList args{"-selection", "clipboard", "-i"};
    if (!target.isEmpty())
        args << "-t" << target;
    QProcess xclip;
    xclip.start("xclip", args);
    xclip.waitForStarted();
    xclip.write(data);
    xclip.closeWriteChannel();
    // xclip forks a server and the parent exits once the selection is taken.
    xclip.waitForFinished(10000);
}

QByteArray xclipRead(const QString& target)
{
    QProcess xclip;
    xclip.start("xclip", {"-selection", "clipboard", "-o", "-t", target});
    xclip.waitForFinished(20000);
    return xclip.readAllStandardOutput();
}

QStringList xclipTargets()
{
    const QString out = QString::fromUtf8(xclipRead("TARGETS"));
    return out.split('\n', Qt::SkipEmptyParts);
}

QString xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start("xdotool", arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString mappedPanel()
{
    return xdotool({"search", "--onlyvisible", "--name", "^Brimble$"}).section('\n', 0, 0);
}

bool key(const QString& keys)
{
    return QProcess::execute("xdotool", {"key", "--clearmodifiers", "--delay", "60", keys}) == 0;
}

QMap<QString, QByteArray> pastedTargets(const QString& report)
{
    QFile file(report);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QMap<QString, QByteArray> pasted;
    const QJsonArray targets = QJsonDocument::fromJson(file.readAll()).object().value("targets").toArray();
    for (const QJsonValue& target : targets)
        pasted.insert(target.toObject().value("name").toString(),
                      QByteArray::fromBase64(target.toObject().value("data").toString().toLatin1()));
    return pasted;
}

QByteArray pastedText(const QString& report)
{
    return pastedTargets(report).value("UTF8_STRING");
}

bool panelIsShownAndFocused()
{
    const QString panel = mappedPanel();
    return !panel.isEmpty() && xdotool({"getactivewindow"}) == panel;
}

bool panelIsHidden()
{
    return mappedPanel().isEmpty();
}

} // namespace E2e

BrimbleSession::BrimbleSession()
{
    QDir root(dir_.path());
    for (const char* sub : {"data", "config", "state", "runtime", "apps/applications"})
        root.mkpath(sub);
    QFile::setPermissions(dir_.path() + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile desktop(desktopFilePath());
    if (desktop.open(QIODevice::WriteOnly)) {
        desktop.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=clipowner\n"
                                     "Icon=edit-copy\nStartupWMClass=%2\n")
                          .arg(testAppName, testAppClass)
                          .toUtf8());
    }
}

BrimbleSession::~BrimbleSession()
{
    if (isRunning())
        stop();
}

QString BrimbleSession::desktopFilePath() const
{
    return dir_.path() + "/apps/applications/" + testAppId + ".desktop";
}

QString BrimbleSession::databasePath() const
{
    return dir_.path() + "/data/brimble/Brimble.sqlite";
}

QString BrimbleSession::preferencesPath() const
{
    return dir_.path() + "/config/brimble/preferences.json";
}

QProcessEnvironment BrimbleSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", dir_.path());
    env.insert("XDG_DATA_HOME", dir_.path() + "/data");
    env.insert("XDG_CONFIG_HOME", dir_.path() + "/config");
    env.insert("XDG_STATE_HOME", dir_.path() + "/state");
    env.insert("XDG_CACHE_HOME", dir_.path() + "/cache");
    env.insert("XDG_RUNTIME_DIR", dir_.path() + "/runtime");
    env.insert("XDG_DATA_DIRS", dir_.path() + "/apps:/usr/local/share:/usr/share");
    env.insert("BRIMBLE_NO_DIALOGS", "1");
    env.insert("BRIMBLE_LOG_STDERR", "1");
    env.insert("QT_QPA_PLATFORM", "xcb");
    // A developer's own Wayland session must not take the X11 tests over.
    env.remove("WAYLAND_DISPLAY");
    // Nor its portal: in a Wayland session the hot key and the paste would go through it, and
    // the tests that want one start their own bus.
    env.insert("XDG_SESSION_TYPE", "x11");
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + dir_.path() + "/runtime/no-bus");
    return env;
}

bool BrimbleSession::start(const QProcessEnvironment& extra)
{
    QProcessEnvironment env = environment();
    for (const QString& key : extra.keys()) {
        if (extra.value(key).isEmpty())
            env.remove(key);
        else
            env.insert(key, extra.value(key));
    }
    // The log of an earlier run of this session is kept: count this run's start-up only.
    const qsizetype startsBefore = log().count(QStringLiteral("started"));
    brimble_ = std::make_unique<QProcess>();
    brimble_->setProcessEnvironment(env);
    brimble_->setProcessChannelMode(QProcess::SeparateChannels);
    brimble_->start(brimbleBinary(), {});
    if (!brimble_->waitForStarted(10000))
        return false;
    // Ready once it answers a request and has logged the end of its start-up (on a damaged
    // history the answer is that it is damaged).
    return E2e::waitUntil(
        [this, startsBefore] {
            if (!isRunning() || log().count(QStringLiteral("started")) <= startsBefore)
                return false;
            const int answer = cli({"clipboards"}).exitCode;
            return answer == 0 || answer == 4;
        },
        15000);
}

int BrimbleSession::stop()
{
    if (!brimble_)
        return -1;
    if (isRunning()) {
        cli({"quit"});
        if (!brimble_->waitForFinished(10000)) {
            brimble_->kill();
            brimble_->waitForFinished(5000);
            return -1;
        }
    }
    return brimble_->exitStatus() == QProcess::NormalExit ? brimble_->exitCode() : -1;
}

int BrimbleSession::terminate()
{
    if (!isRunning())
        return -1;
    brimble_->terminate();
    if (!brimble_->waitForFinished(10000)) {
        brimble_->kill();
        brimble_->waitForFinished(5000);
        return -1;
    }
    return brimble_->exitStatus() == QProcess::NormalExit ? brimble_->exitCode() : -1;
}

bool BrimbleSession::isRunning() const
{
    return brimble_ && brimble_->state() == QProcess::Running;
}

QString BrimbleSession::log() const
{
    if (!brimble_)
        return QString();
    log_ += brimble_->readAllStandardError();
    return QString::fromUtf8(log_);
}

BrimbleSession::Result BrimbleSession::cli(const QStringList& arguments, int timeoutMs) const
{
    return run(environment(), arguments, timeoutMs);
}

BrimbleSession::Result BrimbleSession::run(const QProcessEnvironment& environment, const QStringList& arguments,
                                           int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(brimbleBinary(), arguments);
    Result result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QList<PasteInfModel> BrimbleSession::storedItems() const
{
    if (!store_)
        store_ = std::make_unique<CoreDataManager>();
    CoreDataManager& store = *store_;
    if (store.path() != databasePath() || !store.isOpen()) {
        store.close();
        if (!store.openReadOnly(databasePath()))
            return {};
    }
    PasteCategoryInfModel defaultClipboard;
    defaultClipboard.uuid = kDefaultCategoryUUID;
    return store.fetchPasteInfs(defaultClipboard);
}

void BrimbleSession::closeStore() const
{
    if (store_)
        store_->close();
}

bool BrimbleSession::waitForCount(int count, int timeoutMs) const
{
    return E2e::waitUntil([&] { return storedCount() >= count; }, timeoutMs) && storedCount() == count;
}

HelperProcess::HelperProcess(const QString& program, const QStringList& arguments,
                             const QProcessEnvironment& env)
{
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(E2e::helperPath(program), arguments);
}

HelperProcess::~HelperProcess()
{
    if (process_.state() == QProcess::Running) {
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }
}

bool HelperProcess::waitReady(int timeoutMs)
{
    return waitForLine(QStringLiteral("ready"), timeoutMs);
}

bool HelperProcess::waitForLine(const QString& line, int timeoutMs)
{
    return E2e::waitUntil(
        [&] {
            output_ += process_.readAllStandardOutput();
            return output_.split('\n').contains(line.toUtf8());
        },
        timeoutMs);
}
