// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/FormExchange.h"

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/IntegerText.h"
#include "framework/Prompt.h"

#include <QAbstractButton>

namespace fw {

QWidget* FormExchange::Transfer(int controlId)
{
    m_lastControl = m_dialog.GetDlgItem(controlId);
    return m_lastControl;
}

void FormExchange::Fail(const QString& prompt)
{
    m_failed = true;
    ShowPrompt(m_dialog.Widget(), prompt);
    FocusAndSelect(m_lastControl);
}

void FormExchange::IntegerText(int controlId, std::int32_t& member)
{
    if (m_failed)
        return;
    QWidget* control = Transfer(controlId);
    if (!m_read) {
        SetTextOf(control, QString::fromStdString(FormatInt32(member)));
        return;
    }
    if (const auto value = ParseInt32(TextOf(control).toStdString()))
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
    auto* box = qobject_cast<QAbstractButton*>(Transfer(controlId));
    if (!box)
        return;
    if (m_read)
        member = box->isChecked() ? 1 : 0;
    else
        box->setChecked(member != 0);
}

void FormExchange::SliderPosition(int controlId, std::int32_t& member)
{
    if (m_failed)
        return;
    CSliderCtrl slider;
    slider.Attach(Transfer(controlId));
    if (m_read)
        member = slider.GetPos();
    else
        slider.SetPos(member);
}

void FormExchange::Bind(int controlId, CWnd& wrapper)
{
    if (m_failed || wrapper.IsAttached())
        return;
    wrapper.Attach(m_dialog.GetDlgItem(controlId));
}

} // namespace fw
