// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The main window with its members opened to tests.

#include "dialogs/VornabyDlg.h"

namespace test {

class ProbeDlg : public CVornabyDlg {
public:
    using CVornabyDlg::m_advancedMode;
    using CVornabyDlg::m_durationMs;
    using CVornabyDlg::m_frequencyHz;
    using CVornabyDlg::m_presetFrequencyHz;
    using CVornabyDlg::m_sliderPos;
};

} // namespace test
