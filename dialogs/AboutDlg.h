#pragma once
// The About box: name, version, notice and credit. It holds no values and
// handles nothing beyond a dialog's own OK and Cancel.

#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
