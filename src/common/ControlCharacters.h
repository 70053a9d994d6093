#pragma once

#include <QString>
#include <QStringView>

// Text that came from elsewhere (a copy, a feed, a file name) shown where its control characters
// would act instead of being read: a terminal, a log line.
namespace ControlCharacters {

// Line breaks and tabs as \n, \r and \t; other C0 characters and DEL as \xNN; C1 characters and
// the marks that reorder or break a line (bidi controls, line and paragraph separators) as
// \uNNNN. Everything else is left as it is.
QString escaped(QStringView text);

} // namespace ControlCharacters
