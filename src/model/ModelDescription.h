#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// Pieces of the models' descriptions (the text their log lines show).
namespace ModelDescription {

// Local time; calendar year ("yyyy"), not the week-numbering year, which is wrong around
// New Year. Empty when absent.
inline QString date(const std::optional<QDateTime>& value)
{
    return value ? value->toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}

} // namespace ModelDescription
