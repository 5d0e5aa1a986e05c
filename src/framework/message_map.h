// Static message tables: each window class lists (message, notification code, control identifier
// range, handler) in an ordered array; the first matching entry wins and a class that does not
// handle a message hands it to its base class's table.
#pragma once

#include <windows.h>

#include <cstddef>

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
    const NMHDR* Header() const { return reinterpret_cast<const NMHDR*>(lParam); }
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

template <class T> struct TMessageEntry
{
    using Handler = LRESULT (T::*)(CMessage&);
    UINT message;
    UINT code;
    UINT idFirst;
    UINT idLast;
    unsigned match;
    Handler handler;

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

template <class T> constexpr TMessageEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(CMessage&))
{
    return {message, 0, 0, 0, kMatchMessage, handler};
}
template <class T> constexpr TMessageEntry<T> OnCommand(UINT id, LRESULT (T::*handler)(CMessage&))
{
    return {WM_COMMAND, 0, id, id, kMatchCommand | kMatchId, handler};
}
template <class T>
constexpr TMessageEntry<T> OnCommandRange(UINT idFirst, UINT idLast, LRESULT (T::*handler)(CMessage&))
{
    return {WM_COMMAND, 0, idFirst, idLast, kMatchCommand | kMatchId, handler};
}
// A control's WM_COMMAND notification, e.g. EN_CHANGE of one edit box.
template <class T> constexpr TMessageEntry<T> OnControl(UINT code, UINT id, LRESULT (T::*handler)(CMessage&))
{
    return {WM_COMMAND, code, id, id, kMatchCode | kMatchId, handler};
}
template <class T> constexpr TMessageEntry<T> OnNotify(UINT code, UINT id, LRESULT (T::*handler)(CMessage&))
{
    return {WM_NOTIFY, code, id, id, kMatchCode | kMatchId, handler};
}
template <class T> constexpr TMessageEntry<T> OnNotifyReflect(UINT code, LRESULT (T::*handler)(CMessage&))
{
    return {WM_REFLECT_NOTIFY, code, 0, 0, kMatchCode, handler};
}

// Runs the first matching entry of a class's table.
template <class T, std::size_t N>
bool DispatchTable(T* self, const TMessageEntry<T> (&table)[N], CMessage& msg, LRESULT& result)
{
    for (const TMessageEntry<T>& entry : table)
    {
        if (entry.Matches(msg))
        {
            result = (self->*entry.handler)(msg);
            return true;
        }
    }
    return false;
}
