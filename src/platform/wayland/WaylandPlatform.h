#pragma once

#include "platform/Platform.h"

#include <QString>

namespace WaylandPlatform {

// Whether $WAYLAND_DISPLAY names a compositor that offers a data-control protocol.
bool offersDataControl();

// The native Wayland services, or null (with the reason) when the compositor lacks data control.
std::unique_ptr<Platform> create(QString* whyNot);

} // namespace WaylandPlatform
