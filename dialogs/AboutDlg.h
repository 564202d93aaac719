// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The About box: name, version, notice and credit. It holds no values and
// handles nothing beyond a dialog's own OK and Cancel.

#include "framework/Dialog.h"

class CAboutDlg : public fw::CDialog {
public:
    CAboutDlg();
};
