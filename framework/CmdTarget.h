// Message maps: each class that handles messages owns a static table that maps a message
// (and, for WM_COMMAND, a notification code and control id) to one of its members. Tables
// chain to the base class's table, so a derived class handles first and falls back to its base.
#pragma once

#include <windows.h>

class CCmdTarget;

using AfxMessageHandler = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT message;
    UINT code;      // WM_COMMAND only: notification code
    UINT id;        // WM_COMMAND only: control or command id
    AfxMessageHandler handler;  // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* base;
    const AFX_MSGMAP_ENTRY* entries;
};

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the handler the message maps hold for this message; false when none does.
    bool DispatchToMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    static const AFX_MSGMAP* GetThisMessageMap();

protected:
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// Messages that a parent hands back to the child control they concern are numbered from here.
inline constexpr UINT WM_REFLECT_BASE = 0xBC00;
inline constexpr UINT WM_REFLECT_CTLCOLOR = WM_REFLECT_BASE + 0x0019;  // the old WM_CTLCOLOR
