// The macros that build a class's message map. Each entry's handler is a captureless lambda
// that casts the target back to the class and calls the member; the lambdas live inside a
// member function of the class, so they may call its protected handlers.
#pragma once

#include "framework/CmdTarget.h"

#define DECLARE_MESSAGE_MAP()                       \
public:                                             \
    static const AFX_MSGMAP* GetThisMessageMap();   \
                                                    \
protected:                                          \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }   \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                   \
        using ThisClass = theClass;                                                     \
        using TheBaseClass = baseClass;                                                 \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                      \
        {0, 0, 0, nullptr}};                                                   \
        static const AFX_MSGMAP map = {TheBaseClass::GetThisMessageMap(), entries}; \
        return &map;                                                           \
    }

#define AFX_HANDLER(body) [](CCmdTarget& target, WPARAM wParam, LPARAM lParam) -> LRESULT { \
        auto& self = static_cast<ThisClass&>(target); (void)self; (void)wParam; (void)lParam; body }

#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, 0, UINT(id), AFX_HANDLER((self.*(memberFxn))(); return 0;)},
#define ON_BN_CLICKED(id, memberFxn) \
    {WM_COMMAND, BN_CLICKED, UINT(id), AFX_HANDLER((self.*(memberFxn))(); return 0;)},
#define ON_STN_CLICKED(id, memberFxn) \
    {WM_COMMAND, STN_CLICKED, UINT(id), AFX_HANDLER((self.*(memberFxn))(); return 0;)},
#define ON_MESSAGE(message, memberFxn) \
    {UINT(message), 0, 0, AFX_HANDLER(return (self.*(memberFxn))(wParam, lParam);)},
#define ON_WM_PAINT() \
    {WM_PAINT, 0, 0, AFX_HANDLER(self.OnPaint(); return 0;)},
#define ON_WM_SYSCOMMAND() \
    {WM_SYSCOMMAND, 0, 0, AFX_HANDLER(self.OnSysCommand(UINT(wParam), lParam); return 0;)},
#define ON_WM_QUERYDRAGICON() \
    {WM_QUERYDRAGICON, 0, 0, AFX_HANDLER(return reinterpret_cast<LRESULT>(self.OnQueryDragIcon());)},
#define ON_WM_ERASEBKGND() \
    {WM_ERASEBKGND, 0, 0, AFX_HANDLER(return self.OnEraseBkgnd(reinterpret_cast<HDC>(wParam));)},
#define ON_WM_SYSCOLORCHANGE() \
    {WM_SYSCOLORCHANGE, 0, 0, AFX_HANDLER(self.OnSysColorChange(); return 0;)},
#define ON_WM_SETTINGCHANGE() \
    {WM_SETTINGCHANGE, 0, 0, \
     AFX_HANDLER(self.OnSettingChange(UINT(wParam), reinterpret_cast<LPCWSTR>(lParam)); return 0;)},
#define ON_WM_DESTROY() \
    {WM_DESTROY, 0, 0, AFX_HANDLER(self.OnDestroy(); return 0;)},
#define ON_WM_CTLCOLOR_REFLECT() \
    {WM_REFLECT_CTLCOLOR, 0, 0, \
     AFX_HANDLER(return reinterpret_cast<LRESULT>(self.CtlColor(reinterpret_cast<HDC>(wParam), UINT(lParam)));)},
