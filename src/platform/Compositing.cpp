#include "platform/Compositing.h"

#include "platform/x11/XcbReply.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace Compositing {

bool isActive()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    // A compositing manager owns the _NET_WM_CM_S<screen> selection (EWMH); Brimble's windows
    // live on the display's first screen (multi-head setups are one screen with several outputs).
    const xcb_atom_t selection = internAtom(connection, "_NET_WM_CM_S0");
    if (selection == XCB_NONE)
        return false;
    ReplyPtr<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr));
    return owner && owner->owner != XCB_NONE;
}

} // namespace Compositing
