// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/Dialog.h"

#include "framework/Controls.h"
#include "framework/DialogWindow.h"
#include "framework/FormExchange.h"
#include "framework/Resources.h"
#include "framework/Wait.h"
#include "framework/WinApp.h"

#include <QApplication>

#include <cstdio>
#include <memory>

namespace fw {

const EventRow CDialog::s_eventRows[] = {
    EventRows<CDialog>::OnCommand<&CDialog::OnOK>(BN_CLICKED, IDOK),
    EventRows<CDialog>::OnCommand<&CDialog::OnCancel>(BN_CLICKED, IDCANCEL),
};
const EventTable CDialog::s_eventTable{&CCmdTarget::s_eventTable, s_eventRows};

CDialog::CDialog(int templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_templateId);
    if (!dialogTemplate) {
        std::fprintf(stderr, "%s: cannot open a window: the program has no dialog template %d\n",
                     qUtf8Printable(QCoreApplication::applicationName()), m_templateId);
        // Without its main window the program has failed: it ends as after a
        // close, with a status that says so.
        if (const CWinApp* app = CWinApp::Current(); app && app->m_mainWindow == this)
            RequestQuit(1);
        return -1;
    }

    // Without a parent, the window that is active now owns the dialog, so an
    // About box opened from the main window stays over it.
    QWidget* owner = m_parent ? m_parent->Widget() : QApplication::activeWindow();
    auto window = std::make_unique<DialogWindow>(*this, *dialogTemplate, owner);
    m_window = window.get();
    Attach(m_window);
    m_systemMenu.Clear();
    if (dialogTemplate->minimizeBox)
        m_systemMenu.AppendItem(SC_MINIMIZE, QCoreApplication::translate("WindowMenu", "Mi&nimize").toStdString());
    m_systemMenu.AppendItem(SC_CLOSE, QCoreApplication::translate("WindowMenu", "&Close").toStdString());
    m_endRequested = false;
    m_result = IDCANCEL;

    if (OnOpenForm())
        m_window->FocusFirstTabStop();
    if (!m_endRequested)
        m_result = m_window->exec();

    m_window = nullptr;
    window.reset(); // the controls go with it; the wrappers forget them
    return m_result;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_endRequested = true;
    if (m_window)
        m_window->done(result);
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

QWidget* CDialog::GetDlgItem(int controlId) const
{
    return m_window ? m_window->Control(controlId) : nullptr;
}

void CDialog::SendMessage(const Message& message)
{
    if (!Dispatch(message))
        DefaultHandling(message);
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
    switch (message.param & 0xFFF0) {
    case SC_CLOSE:
        SendMessage({.event = Event::Command, .code = BN_CLICKED, .id = IDCANCEL});
        break;
    case SC_MINIMIZE:
        m_window->showMinimized();
        break;
    case SC_RESTORE:
        m_window->showNormal();
        break;
    default:
        break;
    }
}

} // namespace fw
