#include "module/quickSearch/WindowFrameStore.h"

#include "common/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {
const QString kTag = QStringLiteral("WindowFrameStore");

QJsonObject rectJson(const QRect& rect)
{
    return {{"x", rect.x()}, {"y", rect.y()}, {"width", rect.width()}, {"height", rect.height()}};
}

std::optional<QRect> rectFrom(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    for (const char* key : {"x", "y", "width", "height"})
        if (!object.value(key).isDouble())
            return std::nullopt;
    const QRect rect(object.value("x").toInt(), object.value("y").toInt(), object.value("width").toInt(),
                     object.value("height").toInt());
    if (rect.width() <= 0 || rect.height() <= 0)
        return std::nullopt;
    return rect;
}
} // namespace

WindowFrameStore::WindowFrameStore(QString path)
    : path_(std::move(path)), queue_(QStringLiteral("window_frame"))
{
}

QString WindowFrameStore::defaultPath(const QString& name)
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + "/.local/state";
    return state + "/brimble/" + name + ".json";
}

std::optional<SavedFrame> WindowFrameStore::load() const
{
    QFile file(path_);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly)) {
        Log::warning(kTag, QStringLiteral("cannot read %1: %2").arg(path_, file.errorString()));
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(file.read(64 * 1024), &error).object();
    const auto frame = rectFrom(object.value("frame"));
    const auto screenArea = rectFrom(object.value("screenArea"));
    if (!frame || !screenArea) {
        Log::warning(kTag, QStringLiteral("ignoring %1: not a saved frame").arg(path_));
        return std::nullopt;
    }
    return SavedFrame{*frame, object.value("screen").toString(), *screenArea};
}

void WindowFrameStore::save(const SavedFrame& frame)
{
    queue_.async([path = path_, frame] {
        const QByteArray json = QJsonDocument(QJsonObject{{"frame", rectJson(frame.frame)},
                                                          {"screen", frame.screenName},
                                                          {"screenArea", rectJson(frame.screenArea)}})
                                    .toJson(QJsonDocument::Compact);
        QDir().mkpath(QFileInfo(path).path());
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit())
            Log::warning(
                kTag, QStringLiteral("cannot save the window frame to %1: %2").arg(path, file.errorString()));
    });
}
