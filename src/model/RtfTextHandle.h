#pragma once

#include <QColor>
#include <QString>

#include <optional>

// Rich text helpers for the detail preview. Pure; callable from any thread.
namespace RtfTextHandle {

// The page background an RTF document declares: the colour-table entry named by the first
// \cbN of the document (entries counted from 1). None when the document has no plain
// \redR\greenG\blueB table, no \cbN, or N is outside the table.
std::optional<QColor> rtfBackgroundColor(const std::optional<QString>& text);

} // namespace RtfTextHandle
