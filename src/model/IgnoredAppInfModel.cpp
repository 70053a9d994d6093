#include "IgnoredAppInfModel.h"

#include "model/ModelDescription.h"

#include <QFileInfo>
#include <QUuid>

IgnoredAppInfModel IgnoredAppInfModel::fromPath(const std::optional<QString>& path, const QDateTime& date)
{
    IgnoredAppInfModel model;
    model.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    model.path = path;
    model.date = date;
    if (!path)
        return model;

    const QStringList components = path->split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (!components.isEmpty())
        model.name = components.last();

    // The desktop-file id is what running applications report as their identifier.
    static const QString suffix = QStringLiteral(".desktop");
    const QFileInfo info(*path);
    if (info.fileName().endsWith(suffix) && info.fileName().size() > suffix.size() && info.isFile() &&
        info.isReadable())
        model.bundleIdentifier = info.fileName().chopped(suffix.size());
    return model;
}

QString IgnoredAppInfModel::description() const
{
    return QStringLiteral("{ uuid: ") + uuid.value_or(QString()) + QStringLiteral(", name: ") +
           name.value_or(QString()) + QStringLiteral(", path: ") + path.value_or(QString()) +
           QStringLiteral(", bundleIdentifier: ") + bundleIdentifier.value_or(QString()) +
           QStringLiteral(", date: ") + ModelDescription::date(date) + QStringLiteral(" }");
}
