#include "platform/screenprobe.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <xcb/randr.h>
#include <xcb/xcb.h>

namespace zk {
namespace {

struct FreeReply {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    Reply<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

Reply<xcb_get_property_reply_t> Property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t prop, xcb_atom_t type,
                                         uint32_t longs)
{
    if (prop == XCB_ATOM_NONE)
        return nullptr;
    return Reply<xcb_get_property_reply_t>(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, prop, type, 0, longs), nullptr));
}

// Qt takes the desktop's scaling from the resource "Xft.dpi" (96 dots per inch is 1).
double DesktopRatio(xcb_connection_t* c, xcb_window_t root)
{
    auto r = Property(c, root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 1 << 16);
    if (!r || r->format != 8)
        return 1.0;
    const std::string_view text(static_cast<const char*>(xcb_get_property_value(r.get())),
                                static_cast<size_t>(xcb_get_property_value_length(r.get())));
    const auto at = text.find("Xft.dpi:");
    if (at == std::string_view::npos)
        return 1.0;
    const std::string value(text.substr(at + 8, text.find('\n', at) - at - 8));
    const double dpi = std::atof(value.c_str());
    return dpi > 0 ? dpi / 96.0 : 1.0;
}

// The primary monitor's rectangle (RandR 1.5), or the whole root window without RandR.
xcb_rectangle_t PrimaryMonitor(xcb_connection_t* c, const xcb_screen_t* screen)
{
    xcb_rectangle_t whole{0, 0, screen->width_in_pixels, screen->height_in_pixels};
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_randr_id);
    if (!ext || !ext->present)
        return whole;
    Reply<xcb_randr_get_monitors_reply_t> monitors(
        xcb_randr_get_monitors_reply(c, xcb_randr_get_monitors(c, screen->root, 1), nullptr));
    if (!monitors)
        return whole;
    xcb_rectangle_t first{};
    bool any = false;
    for (auto it = xcb_randr_get_monitors_monitors_iterator(monitors.get()); it.rem; xcb_randr_monitor_info_next(&it)) {
        const xcb_rectangle_t r{it.data->x, it.data->y, it.data->width, it.data->height};
        if (it.data->primary)
            return r;
        if (!any)
            first = r;
        any = true;
    }
    return any ? first : whole;
}

// The work area the window manager announces (the screen less panels), cut to the monitor.
xcb_rectangle_t Available(xcb_connection_t* c, xcb_window_t root, xcb_rectangle_t monitor)
{
    const xcb_atom_t workArea = Atom(c, "_NET_WORKAREA");
    auto desktop = Property(c, root, Atom(c, "_NET_CURRENT_DESKTOP"), XCB_ATOM_CARDINAL, 1);
    uint32_t index = 0;
    if (desktop && desktop->format == 32 && xcb_get_property_value_length(desktop.get()) >= 4)
        index = *static_cast<const uint32_t*>(xcb_get_property_value(desktop.get()));
    auto area = Property(c, root, workArea, XCB_ATOM_CARDINAL, 4 * (index + 1));
    if (!area || area->format != 32 || xcb_get_property_value_length(area.get()) < int(16 * (index + 1)))
        return monitor;
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(area.get())) + 4 * index;
    const int left = std::max<int>(monitor.x, int(v[0]));
    const int top = std::max<int>(monitor.y, int(v[1]));
    const int right = std::min<int>(monitor.x + monitor.width, int(v[0] + v[2]));
    const int bottom = std::min<int>(monitor.y + monitor.height, int(v[1] + v[3]));
    if (right <= left || bottom <= top)
        return monitor;
    return {int16_t(left), int16_t(top), uint16_t(right - left), uint16_t(bottom - top)};
}

}  // namespace

std::optional<ScreenProbe> ProbePrimaryScreen()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return std::nullopt;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return std::nullopt;
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return std::nullopt;
    }
    std::optional<ScreenProbe> result;
    auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    if (it.rem) {
        const xcb_screen_t* screen = it.data;
        const xcb_rectangle_t area = Available(c, screen->root, PrimaryMonitor(c, screen));
        ScreenProbe probe;
        probe.available = QSize(area.width, area.height);
        probe.devicePixelRatio = DesktopRatio(c, screen->root);
        result = probe;
    }
    xcb_disconnect(c);
    return result;
}

void ChooseScaleFactor()
{
    const QByteArray user = qgetenv("QT_SCALE_FACTOR");
    const QByteArray userScreens = qgetenv("QT_SCREEN_SCALE_FACTORS");
    if (!user.isEmpty() || !userScreens.isEmpty())
        return;  // the player's own choice, taken as it is
    const std::optional<ScreenProbe> screen = ProbePrimaryScreen();
    const QByteArray factor = ScaleFactorSetting(user, userScreens, screen ? &*screen : nullptr);
    if (!factor.isEmpty())
        qputenv("QT_SCALE_FACTOR", factor);
}

}  // namespace zk
