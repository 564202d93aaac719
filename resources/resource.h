// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Every identifier of the program's resources and controls.

// Dialog templates
inline constexpr int IDD_ABOUT_FORM = 100;
inline constexpr int IDD_MAIN_FORM = 102;

// Strings
inline constexpr int IDS_ABOUT_ITEM = 101;

// Icons
inline constexpr int IDI_APP = 128;

// Controls of the main form
inline constexpr int IDC_ABOUT = 1000;
inline constexpr int IDC_FREQUENCY = 1001;
inline constexpr int IDC_PLAY = 1002;
inline constexpr int IDC_DURATION = 1004;
inline constexpr int IDC_PRESET = 1006;
inline constexpr int IDC_ADVANCED = 1007;
inline constexpr int IDC_SLIDER = 1020;
// All of them, in order; the window's tests hold the template to this list.
inline constexpr int kMainFormControls[] = {IDC_ABOUT,  IDC_FREQUENCY, IDC_PLAY,  IDC_DURATION,
                                            IDC_PRESET, IDC_ADVANCED,  IDC_SLIDER};

// Window-menu command
inline constexpr unsigned IDM_SYS_ABOUT = 0x0010;
