#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

// XCB hands out replies and events allocated with malloc; these own them.
struct XcbFree
{
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using ReplyPtr = std::unique_ptr<T, XcbFree>;
using EventPtr = std::unique_ptr<xcb_generic_event_t, XcbFree>;

// One round trip; XCB_NONE when the server does not answer.
inline xcb_atom_t internAtom(xcb_connection_t* connection, const char* name, std::size_t length)
{
    ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(length), name), nullptr));
    return reply ? reply->atom : XCB_NONE;
}

inline xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    return internAtom(connection, name, std::strlen(name));
}
