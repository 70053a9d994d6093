#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// One ignore rule: an application whose copies are not recorded. On Linux the "bundle" is the
// application's desktop file and its identifier the desktop-file id.
class IgnoredAppInfModel
{
public:
    IgnoredAppInfModel() = default;
    // The path initialiser; the rule is dated `date`.
    static IgnoredAppInfModel fromPath(const std::optional<QString>& path,
                                       const QDateTime& date = QDateTime::currentDateTimeUtc());

    std::optional<QString> uuid;
    std::optional<QString> name;
    std::optional<QString> path;
    std::optional<QString> bundleIdentifier;
    std::optional<QDateTime> date;

    QString description() const;
};
