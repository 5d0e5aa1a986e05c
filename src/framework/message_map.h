// Static message tables: each window class lists its messages with typed handlers in an ordered
// array; the first matching entry wins, and a message that no entry of a class takes goes on to
// its base class's table. A handler receives what its message means (a command's identifier, a
// notification's own structure, a mouse message's point), never the raw parameters to cast.
#pragma once

#include <windows.h>

#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

class CWnd;

// A notification that a parent hands back to the control that sent it (e.g. NM_CUSTOMDRAW).
constexpr UINT WM_REFLECT_BASE = WM_USER + 0x1C00;
constexpr UINT WM_REFLECT_NOTIFY = WM_REFLECT_BASE + WM_NOTIFY;
constexpr UINT WM_REFLECT_COMMAND = WM_REFLECT_BASE + WM_COMMAND;

struct CMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;

    bool IsNotify() const { return message == WM_NOTIFY || message == WM_REFLECT_NOTIFY; }
    bool IsCommand() const { return message == WM_COMMAND || message == WM_REFLECT_COMMAND; }
    NMHDR* Header() const { return reinterpret_cast<NMHDR*>(lParam); }
    // Notification code of WM_COMMAND and WM_NOTIFY (0 for other messages).
    UINT Code() const
    {
        if (IsNotify())
            return Header()->code;
        return IsCommand() ? HIWORD(wParam) : 0;
    }
    // Identifier of the control, menu item or accelerator (0 for other messages).
    UINT Id() const
    {
        if (IsNotify())
            return static_cast<UINT>(Header()->idFrom);
        return IsCommand() ? LOWORD(wParam) : 0;
    }
    // The control that sent a WM_COMMAND (null for menus and accelerators).
    HWND Control() const { return IsCommand() ? reinterpret_cast<HWND>(lParam) : nullptr; }
};

// What an entry compares besides the message; flags, because every code value is a valid code.
enum : unsigned
{
    kMatchMessage = 0,
    kMatchCode = 1,
    kMatchId = 2,
    // Menu items, accelerators and button clicks: code 0, or code 1 without a control.
    kMatchCommand = 4,
};

struct CMessageEntry
{
    // Calls the handler with the message's meaning; the window is the handler's own class.
    using Thunk = LRESULT (*)(CWnd& wnd, const CMessage& msg);

    UINT message;
    UINT code;
    UINT idFirst;
    UINT idLast;
    unsigned match;
    Thunk thunk;

    bool Matches(const CMessage& msg) const
    {
        if (msg.message != message)
            return false;
        if ((match & kMatchCode) != 0 && msg.Code() != code)
            return false;
        if ((match & kMatchCommand) != 0 && !(msg.Code() == 0 || msg.lParam == 0))
            return false;
        if ((match & kMatchId) != 0 && (msg.Id() < idFirst || msg.Id() > idLast))
            return false;
        return true;
    }
};

// A class's table, then its base class's, which is consulted when no entry here matches.
struct CMessageMap
{
    constexpr CMessageMap() = default;
    template <std::size_t N>
    constexpr CMessageMap(const CMessageMap& base, const CMessageEntry (&entries)[N])
        : pBase(&base), pEntries(entries), nEntries(N)
    {
    }

    const CMessageMap* pBase = nullptr;
    const CMessageEntry* pEntries = nullptr;
    std::size_t nEntries = 0;
};

// What each message's handler receives. Messages without an entry here give their handler
// nothing, or the raw parameters when it asks for two (the program's own messages).
template <UINT Message> struct TMessageArgs
{
    static std::tuple<WPARAM, LPARAM> Get(const CMessage& msg) { return {msg.wParam, msg.lParam}; }
};
template <> struct TMessageArgs<WM_ERASEBKGND>
{
    static std::tuple<HDC> Get(const CMessage& msg) { return {reinterpret_cast<HDC>(msg.wParam)}; }
};
// Scroll code, thumb position, and the scroll bar or trackbar that scrolled (null: the window's own).
template <> struct TMessageArgs<WM_HSCROLL>
{
    static std::tuple<UINT, UINT, HWND> Get(const CMessage& msg)
    {
        return {LOWORD(msg.wParam), HIWORD(msg.wParam), reinterpret_cast<HWND>(msg.lParam)};
    }
};
template <> struct TMessageArgs<WM_VSCROLL> : TMessageArgs<WM_HSCROLL>
{
};
// The window under the cursor, the hit-test code and the mouse message that caused it.
template <> struct TMessageArgs<WM_SETCURSOR>
{
    static std::tuple<HWND, UINT, UINT> Get(const CMessage& msg)
    {
        return {reinterpret_cast<HWND>(msg.wParam), LOWORD(msg.lParam), HIWORD(msg.lParam)};
    }
};
// Key flags and the client point; coordinates are signed, left of or above the client area.
template <> struct TMessageArgs<WM_MOUSEMOVE>
{
    static std::tuple<UINT, POINT> Get(const CMessage& msg)
    {
        return {static_cast<UINT>(msg.wParam),
                POINT{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))}};
    }
};
template <> struct TMessageArgs<WM_LBUTTONDOWN> : TMessageArgs<WM_MOUSEMOVE>
{
};
template <> struct TMessageArgs<WM_LBUTTONUP> : TMessageArgs<WM_MOUSEMOVE>
{
};
// The window clicked and the point in screen coordinates; (-1, -1) when the keyboard asked.
template <> struct TMessageArgs<WM_CONTEXTMENU>
{
    static std::tuple<HWND, POINT> Get(const CMessage& msg)
    {
        return {reinterpret_cast<HWND>(msg.wParam),
                POINT{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))}};
    }
};
// The hot key's identifier.
template <> struct TMessageArgs<WM_HOTKEY>
{
    static std::tuple<UINT> Get(const CMessage& msg) { return {static_cast<UINT>(msg.wParam)}; }
};
// The identifier, the notification code (0 for a menu, 1 for an accelerator) and the sending control.
template <> struct TMessageArgs<WM_COMMAND>
{
    static std::tuple<UINT, UINT, HWND> Get(const CMessage& msg)
    {
        return {msg.Id(), msg.Code(), msg.Control()};
    }
};
// The owner-drawn control's identifier and what to draw where; the handler answers TRUE when it drew.
template <> struct TMessageArgs<WM_DRAWITEM>
{
    static std::tuple<UINT, const DRAWITEMSTRUCT&> Get(const CMessage& msg)
    {
        return {static_cast<UINT>(msg.wParam), *reinterpret_cast<const DRAWITEMSTRUCT*>(msg.lParam)};
    }
};
template <> struct TMessageArgs<WM_CHAR>
{
    static std::tuple<UINT> Get(const CMessage& msg) { return {static_cast<UINT>(msg.wParam)}; }
};

namespace message_map_detail
{
template <class M> struct THandlerInfo;
template <class T, class R, class... A> struct THandlerInfo<R (T::*)(A...)>
{
    using Class = T;
    using Result = R;
    using Args = std::tuple<A...>;
    static constexpr std::size_t kArity = sizeof...(A);
};

template <auto Handler, class... A> LRESULT Call(CWnd& wnd, A&&... args)
{
    using Info = THandlerInfo<decltype(Handler)>;
    auto& self = static_cast<typename Info::Class&>(wnd);
    if constexpr (std::is_void_v<typename Info::Result>)
    {
        (self.*Handler)(std::forward<A>(args)...);
        return 0;
    }
    else
    {
        return static_cast<LRESULT>((self.*Handler)(std::forward<A>(args)...));
    }
}

template <UINT Message, auto Handler> LRESULT MessageThunk(CWnd& wnd, const CMessage& msg)
{
    if constexpr (THandlerInfo<decltype(Handler)>::kArity == 0)
        return Call<Handler>(wnd);
    else
        return std::apply([&wnd](auto&&... args)
                          { return Call<Handler>(wnd, std::forward<decltype(args)>(args)...); },
                          TMessageArgs<Message>::Get(msg));
}

// void(), void(UINT id) or void(UINT id, HWND hControl).
template <auto Handler> LRESULT CommandThunk(CWnd& wnd, const CMessage& msg)
{
    constexpr std::size_t kArity = THandlerInfo<decltype(Handler)>::kArity;
    static_assert(kArity <= 2, "a command handler takes at most the identifier and the control");
    if constexpr (kArity == 0)
        return Call<Handler>(wnd);
    else if constexpr (kArity == 1)
        return Call<Handler>(wnd, msg.Id());
    else
        return Call<Handler>(wnd, msg.Id(), msg.Control());
}

// LRESULT() or LRESULT(NMxxx&), the structure that the notification code sends.
template <auto Handler> LRESULT NotifyThunk(CWnd& wnd, const CMessage& msg)
{
    using Info = THandlerInfo<decltype(Handler)>;
    static_assert(Info::kArity <= 1, "a notification handler takes at most its structure");
    if constexpr (Info::kArity == 0)
    {
        return Call<Handler>(wnd);
    }
    else
    {
        using Param = std::tuple_element_t<0, typename Info::Args>;
        static_assert(std::is_lvalue_reference_v<Param>, "a notification arrives by reference");
        return Call<Handler, Param>(wnd, *reinterpret_cast<std::remove_reference_t<Param>*>(msg.lParam));
    }
}
} // namespace message_map_detail

template <UINT Message, auto Handler> constexpr CMessageEntry OnMessage()
{
    return {Message, 0, 0, 0, kMatchMessage, &message_map_detail::MessageThunk<Message, Handler>};
}
template <auto Handler> constexpr CMessageEntry OnCommand(UINT id)
{
    return {WM_COMMAND, 0, id, id, kMatchCommand | kMatchId, &message_map_detail::CommandThunk<Handler>};
}
template <auto Handler> constexpr CMessageEntry OnCommandRange(UINT idFirst, UINT idLast)
{
    return {
        WM_COMMAND, 0, idFirst, idLast, kMatchCommand | kMatchId, &message_map_detail::CommandThunk<Handler>};
}
// A control's WM_COMMAND notification, e.g. EN_CHANGE of one edit box or of a range of them.
template <auto Handler> constexpr CMessageEntry OnControl(UINT code, UINT id)
{
    return {WM_COMMAND, code, id, id, kMatchCode | kMatchId, &message_map_detail::CommandThunk<Handler>};
}
template <auto Handler> constexpr CMessageEntry OnControlRange(UINT code, UINT idFirst, UINT idLast)
{
    return {
        WM_COMMAND, code, idFirst, idLast, kMatchCode | kMatchId, &message_map_detail::CommandThunk<Handler>};
}
// The code from whichever control sends it.
template <auto Handler> constexpr CMessageEntry OnControlCode(UINT code)
{
    return {WM_COMMAND, code, 0, 0, kMatchCode, &message_map_detail::CommandThunk<Handler>};
}
template <auto Handler> constexpr CMessageEntry OnNotify(UINT code, UINT id)
{
    return {WM_NOTIFY, code, id, id, kMatchCode | kMatchId, &message_map_detail::NotifyThunk<Handler>};
}
// The code from whichever sender: tooltips, for one, name their tool by its window handle.
template <auto Handler> constexpr CMessageEntry OnNotifyCode(UINT code)
{
    return {WM_NOTIFY, code, 0, 0, kMatchCode, &message_map_detail::NotifyThunk<Handler>};
}
template <auto Handler> constexpr CMessageEntry OnNotifyReflect(UINT code)
{
    return {WM_REFLECT_NOTIFY, code, 0, 0, kMatchCode, &message_map_detail::NotifyThunk<Handler>};
}
