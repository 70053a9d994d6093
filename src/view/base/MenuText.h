#pragma once

#include <QString>

namespace MenuText {

// A name the user chose, as a menu entry or button shows it: "&" would otherwise mark the next
// letter as the entry's keyboard mnemonic and vanish.
inline QString escaped(QString name)
{
    return name.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace MenuText
