#pragma once

#include <QString>
#include <QStringView>

// Text that came from elsewhere (a copy, a feed, a file name) shown where its control characters
// would act instead of being read: a terminal, a log line, a row of the panel.
namespace ControlCharacters {

enum class Tabs
{
    Escaped,
    // For a line of our own laid out by Qt (a row, a file name), where a tab only spaces.
    Kept,
};

// Line breaks and tabs as \n, \r and \t; other C0 characters and DEL as \xNN; C1 characters and
// the marks that reorder or break a line (bidi controls, line and paragraph separators) as
// \uNNNN, so that U+202E cannot make "gnp.exe" read "exe.png". Everything else is left as it is.
QString escaped(QStringView text, Tabs tabs = Tabs::Escaped);

} // namespace ControlCharacters
