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

bool RequestDetectableAutoRepeat() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) return false;
    xcb_connection_t* connection = x11->connection();
    // Qt has set up XKB on its connection; only this one flag is changed.
    constexpr std::uint32_t kFlag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const auto cookie = xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, kFlag, kFlag, 0, 0, 0);
    xcb_xkb_per_client_flags_reply_t* reply = xcb_xkb_per_client_flags_reply(connection, cookie, nullptr);
    const bool granted = reply != nullptr && (reply->value & kFlag) != 0;
    std::free(reply);
    return granted;
}

}  // namespace tabrix
