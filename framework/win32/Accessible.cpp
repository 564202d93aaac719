// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// Names for screen readers where a control's own text is not its name.
#include "framework/win32/Win32Window.h"

#include <initguid.h> // the accessibility service's identifiers, defined here
#include <oleacc.h>
#include <wrl/client.h>

#include <vector>

namespace fw {

namespace {

// Windows' screen-reader proxy names a trackbar after the static text before
// it, which in a dialog is usually another field's label. The trackbar's
// template text, which it never shows, is its name: the accessibility service
// is told so, which is Windows' own way of naming such a control. Where there
// is no service (Wine's is a stub), the proxy names it from that text itself.
template <typename Change>
void ForEachTrackbar(HWND dialog, Change change)
{
    std::vector<HWND> trackbars;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsClass(child, TRACKBAR_CLASSW))
            trackbars.push_back(child);
    if (trackbars.empty())
        return;
    static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)com; // already initialised, in either apartment, is as good
    Microsoft::WRL::ComPtr<IAccPropServices> service;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(service.GetAddressOf()))))
        return;
    for (HWND trackbar : trackbars)
        change(*service.Get(), trackbar);
}

} // namespace

void NameTrackbars(HWND dialog)
{
    ForEachTrackbar(dialog, [](IAccPropServices& service, HWND trackbar) {
        std::wstring name = WindowText(trackbar);
        if (!name.empty())
            service.SetHwndPropStr(trackbar, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                                   name.data());
    });
}

void ForgetTrackbarNames(HWND dialog)
{
    ForEachTrackbar(dialog, [](IAccPropServices& service, HWND trackbar) {
        service.ClearHwndProps(trackbar, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &PROPID_ACC_NAME, 1);
    });
}

} // namespace fw
