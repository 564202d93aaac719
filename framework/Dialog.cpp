// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/Dialog.h"

#include "framework/Backend.h"
#include "framework/FormExchange.h"
#include "framework/Wait.h"
#include "framework/WinApp.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace fw {

const EventRow CDialog::s_eventRows[] = {
    EventRows<CDialog>::OnCommand<&CDialog::OnOK>(BN_CLICKED, IDOK),
    EventRows<CDialog>::OnCommand<&CDialog::OnCancel>(BN_CLICKED, IDCANCEL),
};
const EventTable CDialog::s_eventTable{&CCmdTarget::s_eventTable, s_eventRows};

CDialog::CDialog(int templateId, CDialog* parent) : m_templateId(templateId), m_parent(parent)
{
    Attach(*this, 0);
}

CDialog::~CDialog() = default;

namespace {
// The dialog whose modal loop runs now, innermost first.
CDialog* g_running = nullptr;
} // namespace

int CDialog::DoModal()
{
    // Without a parent, the dialog running now owns this one, so that an
    // About box opened from the main window stays over it and holds it;
    // which window happens to be active is the window system's to decide,
    // and may be none at that moment.
    const CDialog* owner = m_parent ? m_parent : g_running;
    m_window = backend::CreateDialogWindow(*this, m_templateId, owner ? owner->m_window : nullptr);
    if (!m_window) {
        std::fprintf(stderr, "%s: cannot open a window: the program has no dialog template %d\n",
                     ApplicationName().c_str(), m_templateId);
        // Without its main window the program has failed: it ends as after a
        // close, with a status that says so.
        if (const CWinApp* app = CWinApp::Current(); app && app->m_mainWindow == this)
            RequestQuit(1);
        return -1;
    }

    m_systemMenu.Start(m_window);
    m_endRequested = false;
    m_result = IDCANCEL;

    CDialog* const outer = std::exchange(g_running, this);
    // As a dialog box starts: the focus goes to the first control Tab
    // reaches, an edit field's text all selected, unless the dialog set it.
    if (OnOpenForm()) {
        if (const std::vector<int> stops = backend::TabStops(m_window); !stops.empty())
            backend::FocusAndSelect(m_window, stops.front());
    }
    if (!m_endRequested)
        m_result = backend::RunModal(m_window);
    g_running = outer;

    // The controls go with the window; the wrappers then do nothing.
    backend::DestroyDialogWindow(std::exchange(m_window, nullptr));
    return m_result;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_endRequested = true;
    if (m_window)
        backend::EndModal(m_window, result);
}

bool CDialog::UpdateForm(bool read)
{
    FormExchange exchange(*this, read);
    ExchangeFields(exchange);
    return !exchange.Failed();
}

CMenu* CDialog::GetSystemMenu()
{
    return m_window ? &m_systemMenu : nullptr;
}

bool CDialog::SendMessage(const Message& message)
{
    if (Dispatch(message))
        return true;
    DefaultHandling(message);
    return false;
}

void CDialog::PressDialogKey(DialogKey key, int focusedButton)
{
    const int id = key == DialogKey::Escape ? IDCANCEL : focusedButton != 0 ? focusedButton : IDOK;
    SendMessage({.event = Event::Command, .code = BN_CLICKED, .id = id});
}

void CDialog::ExchangeFields(FormExchange&) {}

bool CDialog::OnOpenForm()
{
    UpdateForm(false);
    return true;
}

void CDialog::OnOK()
{
    if (UpdateForm(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DefaultHandling(const Message& message)
{
    if (message.event != Event::SysCommand || !m_window)
        return;
    // Close is Cancel, wherever it comes from; the window system does the rest.
    if ((message.param & 0xFFF0) == SC_CLOSE)
        SendMessage({.event = Event::Command, .code = BN_CLICKED, .id = IDCANCEL});
    else
        backend::DefaultSysCommand(m_window, message.param);
}

void CMenu::Start(backend::Window* window)
{
    m_window = window;
    m_items.clear();
}

void CMenu::AppendItem(unsigned command, std::string_view text)
{
    m_items.push_back({command, std::string(text)});
    backend::AppendWindowMenu(m_window, command, text);
}

std::vector<CMenu::Item> WindowMenuItems(const CMenu& program, bool minimizeBox, bool minimized)
{
    std::vector<CMenu::Item> items;
    if (minimized)
        items.push_back({SC_RESTORE, backend::Translate("WindowMenu", "&Restore")});
    else if (minimizeBox)
        items.push_back({SC_MINIMIZE, backend::Translate("WindowMenu", "Mi&nimize")});
    items.push_back({SC_CLOSE, backend::Translate("WindowMenu", "&Close")});
    items.insert(items.end(), program.Items().begin(), program.Items().end());
    return items;
}

std::string WindowMenuName()
{
    return backend::Translate("WindowMenu", "Window menu");
}

} // namespace fw
