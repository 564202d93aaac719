// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The exchange between a dialog's controls and its members. A dialog lists its
// rows, in order, in one ExchangeFields function; each row is one call here.
// Reading takes the controls into the members with checks; writing puts the
// members into the controls and never fails. When a read fails, the prompt is
// shown, focus goes to the failing control, and every later row does nothing.

#include <cstdint>
#include <string>

namespace fw {

class CDialog;
class CWnd;

class FormExchange {
public:
    FormExchange(CDialog& dialog, bool read) : m_dialog(dialog), m_read(read) {}

    [[nodiscard]] bool Failed() const { return m_failed; }

    // The control's text (a combo box's field) as a signed 32-bit integer.
    // Text that is not one gives the integer prompt and leaves member as it was.
    void IntegerText(int controlId, std::int32_t& member);

    // Checks the value the row before transferred; outside [low, high] gives
    // the range prompt naming both bounds, the value staying in member.
    // Writing checks nothing.
    void Range(std::int32_t member, std::int32_t low, std::int32_t high);

    // A check box: 1 checked, 0 clear.
    void CheckState(int controlId, std::int32_t& member);

    // A slider's position; writing clamps it to the slider's range.
    void SliderPosition(int controlId, std::int32_t& member);

    // Attaches the wrapper to its control at the first exchange.
    void Bind(int controlId, CWnd& wrapper);

private:
    void Fail(const std::string& prompt);

    CDialog& m_dialog;
    bool m_read;
    bool m_failed = false;
    int m_lastControl = 0; // the row before's, which a failed check names

};

} // namespace fw
