#pragma once

#include <QString>
#include <QStringView>

// Text from a clipboard shown in a line of our own (a row, a file name). Its control characters
// would act instead of showing: the marks that reorder a line (U+202E makes "gnp.exe" read
// "exe.png"), C0 and C1 controls. They are written as escapes, as the command line writes them.
namespace VisibleText {

// Whether a character is one of those.
bool isHiddenControl(char16_t c);

// `text` with every such character written as "\xhh" (C0, DEL) or "\uhhhh"; a tab stays.
QString withVisibleControls(QStringView text);

} // namespace VisibleText
