#include "Preferences.h"

#include "common/Log.h"
#include "model/KeyComboCoder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kTag = QStringLiteral("Preferences");
const QString kBytesKey = QStringLiteral("$bytes");
// A settings file is a few hundred bytes; anything this large was not written by us.
constexpr qint64 kMaxFileSize = 1 << 20;

std::optional<qint64> integralNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const QVariant variant = value.toVariant();
    if (variant.typeId() == QMetaType::LongLong)
        return variant.toLongLong();
    // 2^63 is exactly representable; every double below it with no fraction fits.
    constexpr double limit = 9223372036854775808.0;
    const double d = value.toDouble();
    if (!std::isfinite(d) || std::trunc(d) != d || d < -limit || d >= limit)
        return std::nullopt;
    return qint64(d);
}

// Unusable settings files kept beside the file: preferences.json.bad, then .bad.1 and on.
constexpr int kMaxBadCopies = 10;

QString badCopyName(const QString& path, int index)
{
    return index == 0 ? path + QStringLiteral(".bad") : path + QStringLiteral(".bad.%1").arg(index);
}

// The first free name; when every one is taken, the oldest copy's, so that the newest ones stay.
QString nextBadCopyPath(const QString& path)
{
    QString oldest;
    QDateTime oldestTime;
    for (int index = 0; index < kMaxBadCopies; ++index) {
        const QString candidate = badCopyName(path, index);
        const QFileInfo info(candidate);
        if (!info.exists())
            return candidate;
        if (oldest.isEmpty() || info.lastModified() < oldestTime) {
            oldest = candidate;
            oldestTime = info.lastModified();
        }
    }
    return oldest;
}

const char* jsonTypeName(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return "a Boolean";
    case QJsonValue::Double:
        return "a number";
    case QJsonValue::String:
        return "a string";
    case QJsonValue::Array:
        return "an array";
    case QJsonValue::Object:
        return "an object";
    case QJsonValue::Null:
        return "null";
    default:
        return "nothing";
    }
}

void syncDirectory(const QString& directory)
{
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
} // namespace

QString Preferences::defaultPath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + "/.config";
    return config + "/brimble/preferences.json";
}

Preferences::Preferences(QString filePath) : filePath_(std::move(filePath)) {}

QString Preferences::filePath() const
{
    std::lock_guard lock(mutex_);
    return filePath_;
}

void Preferences::setFilePath(const QString& filePath)
{
    std::lock_guard lock(mutex_);
    filePath_ = filePath;
    lastReportedProblem_.clear();
    reportedWrongTypes_.clear();
}

QJsonObject Preferences::read(const QString& path, bool* malformed) const
{
    if (malformed)
        *malformed = false;
    QFile file(path);
    QString problem;
    QJsonObject object;
    if (!file.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(path)) {
            std::lock_guard lock(mutex_);
            lastReportedProblem_.clear();
            return {};
        }
        problem = QStringLiteral("cannot be read (%1)").arg(file.errorString());
    } else {
        const QByteArray data = file.read(kMaxFileSize + 1);
        if (data.size() > kMaxFileSize) {
            problem = QStringLiteral("is larger than %1 bytes").arg(kMaxFileSize);
        } else if (data.trimmed().isEmpty()) {
            // An empty file holds nothing worth keeping.
            std::lock_guard lock(mutex_);
            lastReportedProblem_.clear();
            return {};
        } else {
            QJsonParseError error;
            const QJsonDocument document = QJsonDocument::fromJson(data, &error);
            if (error.error != QJsonParseError::NoError)
                problem = QStringLiteral("is not valid JSON (%1 at offset %2)")
                              .arg(error.errorString())
                              .arg(error.offset);
            else if (!document.isObject())
                problem = QStringLiteral("does not hold a JSON object");
            else
                object = document.object();
        }
    }
    std::lock_guard lock(mutex_);
    if (problem.isEmpty()) {
        lastReportedProblem_.clear();
        return object;
    }
    if (malformed)
        *malformed = true;
    const QFileInfo info(path);
    const QString signature =
        problem + QString::number(info.size()) + QString::number(info.lastModified().toMSecsSinceEpoch());
    if (signature != lastReportedProblem_) {
        lastReportedProblem_ = signature;
        Log::warning(kTag, QStringLiteral("%1 %2; every setting reads as its default").arg(path, problem));
    }
    return {};
}

bool Preferences::write(const QString& path, const QJsonObject& object, bool keepMalformedCopy)
{
    const QFileInfo info(path);
    const QString directory = info.absolutePath();
    if (!QFileInfo::exists(directory)) {
        if (!QDir().mkpath(directory)) {
            Log::warning(kTag, QStringLiteral("cannot create %1; setting not saved").arg(directory));
            return false;
        }
        ::chmod(QFile::encodeName(directory).constData(), 0700);
    }

    if (keepMalformedCopy) {
        // The user's broken file is moved aside rather than overwritten, so whatever it held
        // can still be recovered by hand; an earlier broken one keeps its own copy.
        const QString badPath = nextBadCopyPath(path);
        if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(badPath).constData()) != 0 &&
            errno != ENOENT) {
            Log::warning(kTag, QStringLiteral("cannot move %1 aside (%2); setting not saved")
                                   .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
            return false;
        }
        Log::warning(kTag, QStringLiteral("kept the unusable settings file as %1").arg(badPath));
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        Log::warning(kTag,
                     QStringLiteral("cannot write %1 (%2); setting not saved").arg(path, file.errorString()));
        return false;
    }
    ::fchmod(file.handle(), 0600);
    file.write(QJsonDocument(object).toJson(QJsonDocument::Indented));
    // commit() syncs the file to disk before it replaces the old one.
    if (!file.commit()) {
        Log::warning(kTag,
                     QStringLiteral("cannot write %1 (%2); setting not saved").arg(path, file.errorString()));
        return false;
    }
    syncDirectory(directory);
    return true;
}

void Preferences::modify(const std::function<void(QJsonObject&)>& change)
{
    std::lock_guard writing(writeMutex_);
    const QString path = filePath();
    bool malformed = false;
    QJsonObject object = read(path, &malformed);
    change(object);
    write(path, object, malformed);
}

std::optional<QJsonValue> Preferences::value(const QString& key) const
{
    const QJsonObject object = read(filePath());
    const auto it = object.constFind(key);
    if (it == object.constEnd())
        return std::nullopt;
    return it.value();
}

void Preferences::reportWrongType(const QString& key, const QJsonValue& value, const char* expected) const
{
    const QString signature =
        key + QLatin1Char('\n') +
        QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
    {
        std::lock_guard lock(mutex_);
        if (reportedWrongTypes_.contains(signature))
            return;
        reportedWrongTypes_.insert(signature);
    }
    Log::warning(kTag, QStringLiteral("%1 holds %2 where %3 belongs; its default is used")
                           .arg(key, QLatin1String(jsonTypeName(value)), QLatin1String(expected)));
}

std::optional<bool> Preferences::boolValue(const QString& key) const
{
    const auto v = value(key);
    if (!v)
        return std::nullopt;
    if (!v->isBool()) {
        reportWrongType(key, *v, "a Boolean");
        return std::nullopt;
    }
    return v->toBool();
}

std::optional<qint64> Preferences::intValue(const QString& key) const
{
    const auto v = value(key);
    if (!v)
        return std::nullopt;
    const auto n = integralNumber(*v);
    if (!n)
        reportWrongType(key, *v, "a whole number");
    return n;
}

std::optional<quint32> Preferences::uint32Value(const QString& key) const
{
    const auto v = value(key);
    if (!v)
        return std::nullopt;
    const auto n = integralNumber(*v);
    if (!n || *n < 0 || *n > qint64(std::numeric_limits<quint32>::max())) {
        reportWrongType(key, *v, "a whole number from 0 to 4294967295");
        return std::nullopt;
    }
    return quint32(*n);
}

std::optional<QByteArray> Preferences::bytesValue(const QString& key) const
{
    const auto v = value(key);
    if (!v)
        return std::nullopt;
    const QJsonValue encoded = v->isObject() ? v->toObject().value(kBytesKey) : QJsonValue();
    if (!encoded.isString()) {
        reportWrongType(key, *v, "bytes ({\"$bytes\": base64})");
        return std::nullopt;
    }
    const auto decoded = QByteArray::fromBase64Encoding(encoded.toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return *decoded;
}

void Preferences::setValue(const QString& key, const QJsonValue& value)
{
    if (value.isUndefined()) {
        remove(key);
        return;
    }
    modify([&](QJsonObject& object) { object.insert(key, value); });
}

void Preferences::setBytes(const QString& key, const QByteArray& bytes)
{
    setValue(key, QJsonObject{{kBytesKey, QString::fromLatin1(bytes.toBase64())}});
}

void Preferences::remove(const QString& key)
{
    modify([&](QJsonObject& object) { object.remove(key); });
}

void Preferences::setLoginItemSwitch(LoginItemSwitch fn)
{
    std::lock_guard lock(mutex_);
    loginItemSwitch_ = std::move(fn);
}

bool Preferences::launchAtLogin() const
{
    return boolValue(launchAtLoginKey).value_or(false);
}

void Preferences::setLaunchAtLogin(bool on)
{
    setValue(launchAtLoginKey, on);
    LoginItemSwitch loginItemSwitch;
    {
        std::lock_guard lock(mutex_);
        loginItemSwitch = loginItemSwitch_;
    }
    // Called outside the lock: the switch may read the preferences itself.
    if (loginItemSwitch)
        loginItemSwitch(on);
}

bool Preferences::autoPasteToCurrentApp() const
{
    return boolValue(autoPasteKey).value_or(true);
}
void Preferences::setAutoPasteToCurrentApp(bool on)
{
    setValue(autoPasteKey, on);
}

bool Preferences::pasteAsPlainText() const
{
    return boolValue(pasteAsPlainTextKey).value_or(false);
}
void Preferences::setPasteAsPlainText(bool on)
{
    setValue(pasteAsPlainTextKey, on);
}

quint32 Preferences::quickPasteModifier() const
{
    return uint32Value(quickPasteModifierKey).value_or(CarbonModifier::command);
}
void Preferences::setQuickPasteModifier(quint32 modifiers)
{
    setValue(quickPasteModifierKey, qint64(modifiers));
}

quint32 Preferences::plainTextModifier() const
{
    return uint32Value(plainTextModifierKey).value_or(CarbonModifier::shift);
}
void Preferences::setPlainTextModifier(quint32 modifiers)
{
    setValue(plainTextModifierKey, qint64(modifiers));
}

// Ctrl rather than Alt: every Linux window manager keeps Alt+Tab for itself.
quint32 Preferences::switchClipboardModifier() const
{
    return uint32Value(switchClipboardModifierKey).value_or(CarbonModifier::command);
}
void Preferences::setSwitchClipboardModifier(quint32 modifiers)
{
    setValue(switchClipboardModifierKey, qint64(modifiers));
}

bool Preferences::deleteAfterPasted() const
{
    return boolValue(deleteAfterPastedKey).value_or(false);
}
void Preferences::setDeleteAfterPasted(bool on)
{
    setValue(deleteAfterPastedKey, on);
}

bool Preferences::autoMoveUsedItemToFirst() const
{
    return boolValue(autoMoveUsedItemToFirstKey).value_or(true);
}
void Preferences::setAutoMoveUsedItemToFirst(bool on)
{
    setValue(autoMoveUsedItemToFirstKey, on);
}

qint64 Preferences::historyCapacity() const
{
    return intValue(historyCapacityKey).value_or(100);
}
void Preferences::setHistoryCapacity(qint64 level)
{
    setValue(historyCapacityKey, level);
}

bool Preferences::pauseRecording() const
{
    return boolValue(pauseRecordingKey).value_or(false);
}
void Preferences::setPauseRecording(bool on)
{
    setValue(pauseRecordingKey, on);
}

qint64 Preferences::secretLifetime() const
{
    const qint64 seconds = intValue(secretLifetimeKey).value_or(defaultSecretLifetime);
    return seconds < 0 ? secretKept : seconds;
}
void Preferences::setSecretLifetime(qint64 seconds)
{
    setValue(secretLifetimeKey, seconds);
}

bool Preferences::readImageText() const
{
    return boolValue(readImageTextKey).value_or(true);
}
void Preferences::setReadImageText(bool on)
{
    setValue(readImageTextKey, on);
}

QString Preferences::imageTextLanguages() const
{
    const auto stored = value(imageTextLanguagesKey);
    const QString languages = stored && stored->isString() ? stored->toString() : QString();
    return languages.isEmpty() ? QStringLiteral("eng") : languages;
}
void Preferences::setImageTextLanguages(const QString& languages)
{
    setValue(imageTextLanguagesKey, languages);
}

bool Preferences::showIconInMenuBar() const
{
    return boolValue(showIconInMenuBarKey).value_or(true);
}
void Preferences::setShowIconInMenuBar(bool on)
{
    setValue(showIconInMenuBarKey, on);
}

bool Preferences::autoPreviewLink() const
{
    return boolValue(autoPreviewLinkKey).value_or(true);
}
void Preferences::setAutoPreviewLink(bool on)
{
    setValue(autoPreviewLinkKey, on);
}

bool Preferences::autoLoadLinkPreview() const
{
    return boolValue(autoLoadLinkPreviewKey).value_or(false);
}
void Preferences::setAutoLoadLinkPreview(bool on)
{
    setValue(autoLoadLinkPreviewKey, on);
}

bool Preferences::autoSendCrashLogs() const
{
    return boolValue(autoSendCrashLogsKey).value_or(false);
}
void Preferences::setAutoSendCrashLogs(bool on)
{
    setValue(autoSendCrashLogsKey, on);
}

QString Preferences::remoteDesktopRestoreToken() const
{
    const std::optional<QJsonValue> token = value(remoteDesktopRestoreTokenKey);
    return token && token->isString() ? token->toString() : QString();
}

void Preferences::setRemoteDesktopRestoreToken(const QString& token)
{
    if (token.isEmpty())
        remove(remoteDesktopRestoreTokenKey);
    else
        setValue(remoteDesktopRestoreTokenKey, token);
}

bool Preferences::remoteDesktopDeclined() const
{
    return boolValue(remoteDesktopDeclinedKey).value_or(false);
}

void Preferences::setRemoteDesktopDeclined(bool declined)
{
    setValue(remoteDesktopDeclinedKey, declined);
}

bool Preferences::doNotShowAccessibilityAlert() const
{
    return boolValue(doNotShowAccessibilityAlertKey).value_or(false);
}
void Preferences::setDoNotShowAccessibilityAlert(bool on)
{
    setValue(doNotShowAccessibilityAlertKey, on);
}

std::optional<KeyCombo> Preferences::showQuickSearchWindowHotKey() const
{
    const auto data = bytesValue(showQuickSearchWindowKey);
    if (!data)
        return std::nullopt;
    const auto coder = KeyComboCoder::unarchive(*data);
    if (!coder) {
        Log::error(QStringLiteral("unarchive data"), QStringLiteral("fail"));
        return std::nullopt;
    }
    return coder->keyCombo();
}

void Preferences::setShowQuickSearchWindowHotKey(const std::optional<KeyCombo>& combo)
{
    if (!combo) {
        remove(showQuickSearchWindowKey);
        return;
    }
    const QByteArray data = KeyComboCoder(*combo).archive();
    if (data.isEmpty()) {
        Log::error(QStringLiteral("archive data"), QStringLiteral("fail"));
        return;
    }
    setBytes(showQuickSearchWindowKey, data);
}

std::optional<bool> Preferences::isDataInitialed() const
{
    return boolValue(isDataInitialedKey);
}
void Preferences::setIsDataInitialed(bool on)
{
    setValue(isDataInitialedKey, on);
}

std::optional<qint64> Preferences::windowTabIndex() const
{
    return intValue(windowTabIndexKey);
}
void Preferences::setWindowTabIndex(qint64 index)
{
    setValue(windowTabIndexKey, index);
}
