// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The About box, the window menu that offers it, and the window's icon,
// against the real windows of either backend.

#include "framework/Wait.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include "support/Harness.h"
#include "support/ProbeDlg.h"

#include <algorithm>

using namespace test;
using Strings = std::vector<std::string>;

TEST_CASE_FIXTURE(Desk, "the About box shows itself and closes every way")
{
    for (const std::string how : {"OK", "Enter", "Escape", "close box"}) {
        INFO("closed with ", how);
        ProbeDlg dialog;
        RunModal(dialog, [&](Window w) {
            Type(w, IDC_PRESET, "4321"); // typed, not yet read
            Focus(w, IDC_ABOUT);
            bool seen = false;
            WhenNextModalOpens(w, [&](Window about) {
                seen = true;
                REQUIRE(Title(about) == "About Vornaby");
                REQUIRE(Owner(about) == w); // owned by, and centred over, the main window
                const Strings captions = Captions(about);
                REQUIRE(captions.size() == 3);
                REQUIRE(std::count(captions.begin(), captions.end(), "Vornaby, Version 1.0") == 1);
                REQUIRE(std::count_if(captions.begin(), captions.end(), [](const std::string& c) {
                            return c.find("2026") != std::string::npos;
                        }) == 1);
                REQUIRE(ShowsPicture(about));
                REQUIRE(Text(about, IDOK) == "OK");
                REQUIRE(Focused(about) == IDOK);
                if (how == "OK")
                    Click(about, IDOK);
                else if (how == "Enter")
                    Press(about, Key::Return);
                else if (how == "Escape")
                    Press(about, Key::Escape);
                else
                    CloseBox(about);
            });
            // Enter on the focused "About" button presses it.
            Press(w, Key::Return);
            REQUIRE(seen);
            REQUIRE(Visible(w));
            REQUIRE(Focused(w) == IDC_ABOUT);
            REQUIRE(Text(w, IDC_PRESET) == "4321");
            REQUIRE(dialog.m_presetFrequencyHz == 1000);
        });
    }
}

TEST_CASE_FIXTURE(MainWindowDesk, "the window carries the icon, and its menu offers the About item")
{
    RunModal(dialog, [&](Window w) {
        REQUIRE(CarriesIcon(w));
        // The window system's own items first (Wine adds some of its own),
        // then the program's.
        const Strings items = WindowMenu(w);
        REQUIRE(std::count(items.begin(), items.end(), "Mi&nimize") == 1);
        REQUIRE(std::count(items.begin(), items.end(), "&Close") == 1);
        REQUIRE(items.size() >= 4);
        REQUIRE(Strings(items.end() - 2, items.end()) == Strings{"-", "&About Vornaby..."});
        bool aboutOpened = false;
        WhenNextModalOpens(w, [&](Window about) {
            aboutOpened = Title(about) == "About Vornaby";
            CloseBox(about);
        });
        ChooseFromWindowMenu(w, "&About Vornaby...");
        REQUIRE(aboutOpened);
        REQUIRE(Visible(w));
    });
}

TEST_CASE_FIXTURE(MainWindowDesk, "window commands are masked")
{
    RunModal(dialog, [&](Window w) {
        // The About command with the low bits Windows keeps for itself set.
        int opened = 0;
        for (unsigned command : {0x0010u, 0x001Fu}) {
            WhenNextModalOpens(w, [&](Window about) {
                opened += Title(about) == "About Vornaby";
                CloseBox(about);
            });
            dialog.SendMessage({.event = Event::SysCommand, .param = command});
        }
        REQUIRE(opened == 2);
        // Others get the window's default handling: 0x0020 is nothing,
        // Minimize minimises, Close closes as cancelled.
        dialog.SendMessage({.event = Event::SysCommand, .param = 0x0020});
        REQUIRE(Visible(w));
        dialog.SendMessage({.event = Event::SysCommand, .param = SC_MINIMIZE + 3});
        REQUIRE(WaitUntil([&] { return Minimized(w); }, 2000));
        dialog.SendMessage({.event = Event::SysCommand, .param = SC_CLOSE});
        REQUIRE_FALSE(Visible(w));
    });
}

// Last: the program is asked to end here.
TEST_CASE_FIXTURE(Desk, "a missing template fails, and only the main window's ends the program")
{
    CWinApp app;
    CDialog box(9998);
    REQUIRE(box.DoModal() == -1);
    REQUIRE(QuitStatus() == 0);
    CDialog main(9999);
    app.m_mainWindow = &main;
    REQUIRE(main.DoModal() == -1);
    REQUIRE(QuitStatus() == 1);
}
