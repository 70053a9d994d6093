#pragma once

#include "platform/Platform.h"

#include <QString>

namespace X11Platform {

// The X11 services on $DISPLAY, or null (with the reason) when that display cannot be used.
std::unique_ptr<Platform> create(QString* whyNot);

} // namespace X11Platform
