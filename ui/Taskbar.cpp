#include "ui/Taskbar.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

namespace {
xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}
}  // namespace

void KeepOffTaskbar(QWidget& window)
{
    // Only X11 has a standard hint for it; elsewhere every screen keeps its entry.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    // The window manager reads _NET_WM_STATE when the window is mapped; Qt
    // merges its own states into what is already set.
    const xcb_atom_t states[] = {Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 Atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()),
                        Atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
}
