// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/FormExchange.h"

#include "framework/Backend.h"
#include "framework/Dialog.h"
#include "framework/IntegerText.h"
#include "framework/Prompt.h"
#include "framework/Wnd.h"

namespace fw {

void FormExchange::Fail(const std::string& prompt)
{
    m_failed = true;
    ShowPrompt(&m_dialog, prompt);
    backend::FocusAndSelect(m_dialog.BackendWindow(), m_lastControl);
}

void FormExchange::IntegerText(int controlId, std::int32_t& member)
{
    if (m_failed)
        return;
    m_lastControl = controlId;
    backend::Window* window = m_dialog.BackendWindow();
    if (!m_read) {
        CWnd control;
        control.Attach(m_dialog, controlId);
        control.SetWindowText(FormatInt32(member));
        return;
    }
    if (const auto value = ParseInt32(backend::GetText(window, controlId)))
        member = *value;
    else
        Fail(IntegerPromptText());
}

void FormExchange::Range(std::int32_t member, std::int32_t low, std::int32_t high)
{
    if (m_failed || !m_read)
        return;
    if (member < low || member > high)
        Fail(RangePromptText(low, high));
}

void FormExchange::CheckState(int controlId, std::int32_t& member)
{
    if (m_failed)
        return;
    m_lastControl = controlId;
    backend::Window* window = m_dialog.BackendWindow();
    if (!m_read)
        backend::SetCheck(window, controlId, member != 0);
    else if (const int state = backend::GetCheck(window, controlId); state >= 0)
        member = state;
}

void FormExchange::SliderPosition(int controlId, std::int32_t& member)
{
    if (m_failed)
        return;
    m_lastControl = controlId;
    backend::Window* window = m_dialog.BackendWindow();
    if (!backend::HasControl(window, controlId))
        return;
    if (m_read)
        member = backend::GetSliderPos(window, controlId);
    else
        backend::SetSliderPos(window, controlId, member);
}

void FormExchange::Bind(int controlId, CWnd& wrapper)
{
    if (m_failed || wrapper.IsAttached())
        return;
    wrapper.Attach(m_dialog, controlId);
}

} // namespace fw
