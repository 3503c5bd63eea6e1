#include "tests/qt/PagerActivation.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>

namespace metalweight {

void requestActivationAsPager(QWidget& widget) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    constexpr char kActiveWindow[] = "_NET_ACTIVE_WINDOW";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof kActiveWindow - 1, kActiveWindow),
        nullptr);
    if (atom == nullptr) {
        return;
    }
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = static_cast<xcb_window_t>(widget.window()->winId());
    request.type = atom->atom;
    request.data.data32[0] = 2;  // the source: a pager
    request.data.data32[1] = XCB_CURRENT_TIME;
    std::free(atom);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
}

}  // namespace metalweight
