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
    backend::Window* window = WindowOf(m_dialog);
    // A combo box's field only: the list never changes. A text that is in the
    // list selects that item, so the arrow keys step on from what is shown.
    backend::SelectListItem(window, m_id, backend::FindListItem(window, m_id, text));
    backend::SetText(window, m_id, text);
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

bool CWnd::IsIconic() const
{
    return backend::IsIconic(WindowOf(m_dialog));
}

CWnd::Size CWnd::GetClientSize() const
{
    return backend::ClientSize(WindowOf(m_dialog));
}

CPaintDC::CPaintDC(CWnd& window) : m_paint(backend::BeginPaint(WindowOf(window.Dialog()))) {}

CPaintDC::~CPaintDC()
{
    backend::EndPaint(m_paint);
}

void CPaintDC::EraseIconBackground()
{
    backend::EraseIconBackground(m_paint);
}

void CPaintDC::DrawIcon(int x, int y, CIcon icon)
{
    if (icon)
        backend::DrawIcon(m_paint, x, y, icon.id);
}

CWnd::Size SystemIconSize()
{
    return backend::SystemIconSize();
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
