#include "shell/x11_auto_repeat.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

// The XKB header names a member "explicit", a C++ keyword: it is renamed for
// the length of the include, as other C++ users of this header do.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace tabrix {

void RequestDetectableAutoRepeat() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) return;
    xcb_connection_t* connection = x11->connection();
    // Qt has set up XKB on its connection; only this one flag is changed.
    // The request goes out with the next ones; its answer is not waited for
    // (nothing could be done without it), which would cost the start a
    // round trip to the server.
    constexpr std::uint32_t kFlag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const auto cookie = xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, kFlag, kFlag, 0, 0, 0);
    xcb_discard_reply(connection, cookie.sequence);
}

}  // namespace tabrix
