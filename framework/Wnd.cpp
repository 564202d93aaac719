// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/Wnd.h"

#include "framework/Backend.h"
#include "framework/Dialog.h"

namespace fw {

namespace {

backend::Window* WindowOf(const CDialog* dialog)
{
    return dialog ? dialog->BackendWindow() : nullptr;
}

} // namespace

void CWnd::Attach(CDialog& dialog, int id)
{
    m_dialog = &dialog;
    m_id = id;
}

void CWnd::SetWindowText(std::string_view text)
{
    backend::SetText(WindowOf(m_dialog), m_id, text);
}

std::string CWnd::GetWindowText() const
{
    return backend::GetText(WindowOf(m_dialog), m_id);
}

void CWnd::EnableWindow(bool enable)
{
    backend::Enable(WindowOf(m_dialog), m_id, enable);
}

void CWnd::SetIcon(CIcon icon)
{
    if (icon)
        backend::SetIcon(WindowOf(m_dialog), icon.id);
}

void CSliderCtrl::SetRange(int minimum, int maximum, bool redraw)
{
    backend::SetSliderRange(WindowOf(Dialog()), Id(), minimum, maximum, redraw);
}

void CSliderCtrl::SetPos(int position)
{
    backend::SetSliderPos(WindowOf(Dialog()), Id(), position);
}

int CSliderCtrl::GetPos() const
{
    return backend::GetSliderPos(WindowOf(Dialog()), Id());
}

} // namespace fw
