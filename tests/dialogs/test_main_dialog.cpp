// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The main window against the real windows of either backend: its first
// state, its layout in every language, the tone form's exchange and "play",
// Enter and Escape, mode switching, the slider and input during a tone.

#include "dialogs/ToneLimits.h"
#include "resources/resource.h"
#include "support/Harness.h"
#include "support/ProbeDlg.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

using namespace test;
using namespace tone_limits;
using Strings = std::vector<std::string>;

namespace {

// Which of the four mode-dependent controls are enabled, in the order
// duration, frequency, preset, slider.
std::string EnabledOnes(Window w)
{
    std::string s;
    for (int id : {IDC_DURATION, IDC_FREQUENCY, IDC_PRESET, IDC_SLIDER})
        s += Enabled(w, id) ? 'E' : '-';
    return s;
}

std::vector<int> TabOrder(Window w)
{
    std::vector<int> ids;
    const int start = Focused(w);
    do {
        ids.push_back(Focused(w));
        Press(w, Key::Tab);
    } while (Focused(w) != start && ids.size() < 20);
    return ids;
}

// A name as a screen reader speaks it: a run of blanks is one pause (and a
// browser gives it so).
std::string Spoken(const std::string& name)
{
    std::string spoken;
    for (const char c : name)
        if (c != ' ' || spoken.empty() || spoken.back() != ' ')
            spoken += c;
    return spoken;
}

bool Contains(const Strings& texts, const std::string& part)
{
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return t.find(part) != std::string::npos; });
}

} // namespace

TEST_CASE_FIXTURE(MainWindowDesk, "the window opens in its first state")
{
    RunModal(dialog, [&](Window w) {
        REQUIRE(Title(w) == "Vornaby");
        REQUIRE(Text(w, IDC_ABOUT) == "About");
        REQUIRE(Text(w, IDC_PLAY) == "play");
        REQUIRE(Text(w, IDC_ADVANCED) == "Advanced  Mode");
        Strings statics = Captions(w);
        std::sort(statics.begin(), statics.end());
        // The hints show the limits the form checks.
        const std::string frequencyHint = "(" + std::to_string(kMinFrequencyHz) + "-" + std::to_string(kMaxFrequencyHz) + ")";
        const std::string durationHint = "(" + std::to_string(kMinDurationMs) + "-" + std::to_string(kMaxDurationMs) + ")";
        REQUIRE(statics == Strings{frequencyHint, durationHint, "Advanced Mode", "Frequency(hz)", "Frequency(hz)",
                                   "Simple Mode", "time(ms)"});
        // A screen reader names each control, a field by its label. (Wine
        // gives the controls but the fields a generic role.)
        for (const auto& [id, name, role] : std::vector<std::tuple<int, std::string, std::string>>{
                 {IDC_ABOUT, "About", "push button"}, {IDC_PLAY, "play", "push button"},
                 {IDC_FREQUENCY, "Frequency(hz)", "text"}, {IDC_DURATION, "time(ms)", "text"},
                 {IDC_ADVANCED, "Advanced  Mode", "check box"}, {IDC_SLIDER, "Frequency slider", "slider"}}) {
            const Accessible control = AccessibleOf(w, id);
            REQUIRE(Spoken(control.name) == Spoken(name));
            REQUIRE((control.role == role || (control.role.empty() && role != "text")));
        }
        REQUIRE(LabelOf(w, IDC_PRESET) == "Frequency(hz)");
        REQUIRE(LabelOf(w, IDC_FREQUENCY) == "Frequency(hz)");
        REQUIRE(LabelOf(w, IDC_DURATION) == "time(ms)");
        // Every control of the template carries a declared identifier, and
        // every declared one is in the template.
        REQUIRE(ControlIds(w) == std::vector<int>(std::begin(kMainFormControls), std::end(kMainFormControls)));
        REQUIRE(ListItems(w, IDC_PRESET) == Strings{"40", "80", "100", "500", "1000", "5000", "7500", "8800",
                                                    "10000", "12000", "14000", "16000", "18000", "20000"});
        REQUIRE(Text(w, IDC_FREQUENCY) == "1000");
        REQUIRE(Text(w, IDC_DURATION) == "500");
        REQUIRE(dialog.m_durationMs == 300);
        REQUIRE(Text(w, IDC_PRESET) == "1000");
        REQUIRE_FALSE(Checked(w, IDC_ADVANCED));
        REQUIRE(Slider(w, IDC_SLIDER) == SliderState{1, 20000, 1000});
        REQUIRE(EnabledOnes(w) == "--E-");
        REQUIRE(Focused(w) == IDC_ABOUT);
        REQUIRE(TabOrder(w) == std::vector<int>{IDC_ABOUT, IDC_PLAY, IDC_PRESET, IDC_ADVANCED});
        CheckLayout(w);
    });
}

TEST_CASE_FIXTURE(Desk, "the window speaks every shipped language, mirrored where it is read right to left")
{
    // Texts that read the same in every language: the name, the hints.
    const Strings same{"Vornaby", "(1-20000)", "(50-10000)", "Vornaby, Version 1.0", "OK"};
    const Strings english{"About", "play", "Advanced  Mode", "Advanced Mode", "Simple Mode", "Frequency(hz)",
                          "time(ms)", "Mi&nimize", "&Close", "&About Vornaby...", "&Undo",
                          "Please enter a whole number.", "Please enter a number from 1 to 200000."};
    for (const char* language : {"de", "fr", "es", "it", "pt_BR", "pl", "ru", "uk", "tr", "ja", "zh_CN", "ko", "he", "ar"}) {
        INFO(language);
        if (!UseLanguage(language))
            return;
        const bool rightToLeft = std::string_view(language) == "he" || std::string_view(language) == "ar";
        std::map<std::string, Rect> placed[2]; // as the language has it, then left to right
        for (int pass = 0; pass < (rightToLeft ? 2 : 1); ++pass) {
            if (pass == 1)
                UseLanguage(language, false);
            ToneRecorder recorder;
            PromptRecorder prompts;
            ProbeDlg dialog;
            RunModal(dialog, [&](Window w) {
                Strings shown = Captions(w);
                placed[pass][""] = ClientRect(w);
                for (const Placed& control : Layout(w)) {
                    placed[pass][control.name] = control.rect;
                    shown.push_back(control.caption);
                }
                for (const CMenu::Item& item : dialog.GetSystemMenu()->Items())
                    shown.push_back(item.text);
                if (auto item = EditMenuFirstItem(w, IDC_FREQUENCY))
                    shown.push_back(*item);
                Type(w, IDC_PRESET, "abc");
                Click(w, IDC_PLAY);
                Type(w, IDC_PRESET, "0");
                Click(w, IDC_PLAY);
                REQUIRE(prompts.seen.size() == 2);
                for (const std::string& text : prompts.Texts())
                    shown.push_back(text);
                for (const std::string& text : shown)
                    CHECK_MESSAGE((std::find(english.begin(), english.end(), text) == english.end() ||
                                   std::find(same.begin(), same.end(), text) != same.end()), text);
                CheckLayout(w);
            });
        }
        // Mirrored: each control where its left-to-right place is, seen in a mirror.
        for (const auto& [name, ltr] : placed[1]) {
            const Rect mirrored = placed[0][name];
            CHECK(mirrored == Rect{placed[1][""].width - ltr.x - ltr.width, ltr.y, ltr.width, ltr.height});
        }
        UseLanguage("en");
    }
}

// Run on a German and on a Hebrew desktop (LANG), each a test of its own.
TEST_CASE_FIXTURE(MainWindowDesk, "the window speaks the desktop's language")
{
    const std::string desktop = std::getenv("LANG") ? std::getenv("LANG") : "";
    const bool hebrew = desktop.starts_with("he");
    REQUIRE_MESSAGE((hebrew || desktop.starts_with("de")), "for a German or Hebrew desktop, not LANG=" << desktop);
    UseDesktopLanguage();
    RunModal(dialog, [&](Window w) {
        REQUIRE(Text(w, IDC_PLAY) == (hebrew ? "נגן" : "Abspielen"));
        REQUIRE(AccessibleOf(w, IDC_SLIDER).name == (hebrew ? "מחוון תדר" : "Frequenzregler"));
        std::map<std::string, Rect> at;
        for (const Placed& control : Layout(w))
            at[control.caption] = control.rect;
        // Read from the right in Hebrew: "play" is left of "About" there.
        REQUIRE((at[Text(w, IDC_PLAY)].x < at[Text(w, IDC_ABOUT)].x) == hebrew);
    });
    UseLanguage("en");
}

TEST_CASE_FIXTURE(MainWindowDesk, "play in simple mode sounds the preset for 300 ms")
{
    RunModal(dialog, [&](Window w) {
        Click(w, IDC_PLAY);
        REQUIRE(recorder.tones.size() == 1);
        REQUIRE(recorder.tones[0].Is(1000, 300));

        // The arrow keys step through the list from the preset shown.
        Focus(w, IDC_PRESET);
        Press(w, Key::Down);
        REQUIRE(Text(w, IDC_PRESET) == "5000");
        Press(w, Key::Up);
        REQUIRE(Text(w, IDC_PRESET) == "1000");
        REQUIRE(recorder.tones.size() == 1);

        // Picking a preset sounds nothing; "play" then sounds it.
        PickListItem(w, IDC_PRESET, 0);
        REQUIRE(Text(w, IDC_PRESET) == "40");
        REQUIRE(recorder.tones.size() == 1);
        Click(w, IDC_PLAY);
        REQUIRE(recorder.tones.size() == 2);
        REQUIRE(recorder.tones[1].Is(40, 300));
        REQUIRE(prompts.seen.empty());
    });
}

TEST_CASE_FIXTURE(Desk, "the preset field's checks and what a failure keeps")
{
    struct Row {
        std::string typed;
        int heldHz;
        std::string prompt;
        bool sounds;
    };
    for (const Row& row : {
             Row{"150000", 150000, "", false}, // the bound is 200000, above what any device sounds
             Row{"200000", 200000, "", false},
             Row{"1", 1, "", true},
             Row{"250000", 250000, "from 1 to 200000", false},
             Row{"0", 0, "from 1 to 200000", false},
             Row{"abc", 1000, "whole number", true}, // letters keep the held value
             Row{"", 1000, "whole number", true},
         }) {
        INFO("typed: " << row.typed);
        ToneRecorder recorder;
        PromptRecorder prompts;
        ProbeDlg dialog;
        RunModal(dialog, [&](Window w) {
            Type(w, IDC_PRESET, row.typed);
            Click(w, IDC_PLAY);
            REQUIRE(dialog.m_presetFrequencyHz == row.heldHz);
            if (row.prompt.empty()) {
                REQUIRE(prompts.seen.empty());
            } else {
                REQUIRE(prompts.seen.size() == 1);
                const SeenPrompt& seen = prompts.seen[0];
                REQUIRE_MESSAGE(seen.text.find(row.prompt) != std::string::npos, seen.text);
                REQUIRE(seen.title == "Vornaby");
                REQUIRE((seen.warning && seen.okOnly && seen.modal));
                // The failing field gets the focus with its text selected.
                REQUIRE(Focused(w) == IDC_PRESET);
                REQUIRE(SelectedText(w) == row.typed);
            }
            REQUIRE(recorder.tones.size() == (row.sounds ? 1u : 0u));
            if (row.sounds)
                REQUIRE(recorder.tones[0].Is(row.heldHz, 300));
        });
    }
}

TEST_CASE_FIXTURE(Desk, "an advanced read stops at the first failing row")
{
    struct Row {
        std::string frequency, duration, prompt;
        int toneHz;
        int toneMs; // -1: no tone
    };
    for (const Row& row : {
             Row{"20000", "10000", "", 20000, 10000}, // the edges pass
             Row{"1", "50", "", 1, 50},
             Row{"440", "49", "from 50 to 10000", 440, 49}, // held and played
             Row{"440", "10001", "from 50 to 10000", 440, 10000},
             Row{"440", "-5", "from 50 to 10000", 440, -1},
             Row{"0", "700", "from 1 to 20000", 0, -1}, // stops before the duration
             Row{"20001", "700", "from 1 to 20000", 20001, 500},
             Row{"4294967296", "700", "whole number", 1000, 500}, // overflow is not a number
         }) {
        INFO(row.frequency << " Hz, " << row.duration << " ms");
        ToneRecorder recorder;
        PromptRecorder prompts;
        ProbeDlg dialog;
        RunModal(dialog, [&](Window w) {
            Click(w, IDC_ADVANCED);
            REQUIRE(dialog.m_advancedMode == 1);
            REQUIRE(dialog.m_durationMs == 500);
            Type(w, IDC_FREQUENCY, row.frequency);
            Type(w, IDC_DURATION, row.duration);
            Click(w, IDC_PLAY);
            REQUIRE(prompts.seen.size() == (row.prompt.empty() ? 0u : 1u));
            if (!row.prompt.empty())
                REQUIRE_MESSAGE(Contains(prompts.Texts(), row.prompt), prompts.Texts()[0]);
            REQUIRE(dialog.m_frequencyHz == row.toneHz);
            // Rows after a failing frequency are not read: the duration stays.
            if (row.prompt.find("20000") != std::string::npos || row.prompt.find("whole") != std::string::npos) {
                REQUIRE(dialog.m_durationMs == 500);
                REQUIRE(Focused(w) == IDC_FREQUENCY);
                REQUIRE(SelectedText(w) == row.frequency);
            }
            if (row.toneMs < 0 || row.toneHz >= 24000) {
                REQUIRE(recorder.tones.empty());
            } else {
                REQUIRE(recorder.tones.size() == 1);
                REQUIRE(recorder.tones[0].Is(row.toneHz, row.toneMs));
            }
        });
    }
}

TEST_CASE_FIXTURE(Desk, "Enter, Escape and the close box")
{
    enum class How { Enter, EnterOnPlay, Escape, Close };
    struct Row {
        std::string typed; // into the preset field
        How how;
        int result; // 0: the window stays open
        int heldHz;
        std::size_t prompts, tones;
    };
    for (const Row& row : {
             Row{"440", How::Enter, IDOK, 440, 0, 0}, // Enter in the field accepts
             Row{"0", How::Enter, 0, 0, 1, 0},
             Row{"440", How::EnterOnPlay, 0, 440, 0, 1}, // Enter on a button presses it
             Row{"junk", How::Escape, IDCANCEL, 1000, 0, 0}, // cancels unread
             Row{"junk", How::Close, IDCANCEL, 1000, 0, 0},
         }) {
        INFO(row.typed << " " << int(row.how));
        PromptRecorder seen;
        ToneRecorder recorder;
        ProbeDlg dialog;
        bool openAfter = false;
        const int ended = RunModal(dialog, [&](Window w) {
            Type(w, IDC_PRESET, row.typed);
            if (row.how == How::EnterOnPlay)
                Focus(w, IDC_PLAY);
            if (row.how == How::Close)
                CloseBox(w);
            else
                Press(w, row.how == How::Escape ? Key::Escape : Key::Return);
            openAfter = Visible(w);
            // The list never takes what was typed, nor completes from it.
            REQUIRE(ListItems(w, IDC_PRESET).size() == 14);
            REQUIRE(Text(w, IDC_PRESET) == row.typed);
        });
        REQUIRE(openAfter == (row.result == 0));
        if (row.result != 0)
            REQUIRE(ended == row.result);
        REQUIRE(dialog.m_presetFrequencyHz == row.heldHz);
        REQUIRE(seen.seen.size() == row.prompts);
        REQUIRE(recorder.tones.size() == row.tones);
    }
}

TEST_CASE_FIXTURE(Desk, "the dialog's keys with modifiers")
{
    // As Windows' dialog manager takes them: Enter and Escape are the
    // dialog's whatever Shift or Control is held; during a tone Escape, so
    // held, still asks to close and fades the tone.
    struct Row {
        Key key;
        bool shift, control, duringTone;
        int result;
    };
    for (const Row& row : {
             Row{Key::Escape, true, false, false, IDCANCEL},
             Row{Key::Return, false, true, false, IDOK},
             Row{Key::Escape, true, false, true, IDCANCEL},
             Row{Key::Escape, false, true, true, IDCANCEL},
         }) {
        INFO(int(row.key) << (row.shift ? " shift" : "") << (row.control ? " control" : "")
                          << (row.duringTone ? " during a tone" : ""));
        ToneRecorder recorder(Pace::RealTime);
        ProbeDlg dialog;
        const int ended = RunModal(dialog, [&](Window w) {
            Type(w, IDC_PRESET, "440");
            if (row.duringTone) {
                Click(w, IDC_ADVANCED);
                Type(w, IDC_DURATION, "3000");
                After(300, [&] { Stroke(w, row.key, row.shift, row.control); });
                Click(w, IDC_PLAY);
            } else {
                Focus(w, IDC_PRESET);
                Stroke(w, row.key, row.shift, row.control);
            }
            REQUIRE(WaitUntil([&] { return !Visible(w); }, 3000));
        });
        REQUIRE(ended == row.result);
        if (row.duringTone) {
            REQUIRE(recorder.tones.size() == 1);
            REQUIRE(recorder.tones[0].DurationMs() < 2000);
        }
    }
}

TEST_CASE_FIXTURE(MainWindowDesk, "the check box switches the controls and the tab order")
{
    RunModal(dialog, [&](Window w) {
        Click(w, IDC_ADVANCED);
        REQUIRE(EnabledOnes(w) == "EE-E");
        Focus(w, IDC_ABOUT);
        REQUIRE(TabOrder(w) == std::vector<int>{IDC_ABOUT, IDC_FREQUENCY, IDC_PLAY, IDC_DURATION, IDC_ADVANCED, IDC_SLIDER});
        // The first advanced tone lasts 500 ms: the box's read took the field.
        Click(w, IDC_PLAY);
        REQUIRE(recorder.tones.back().DurationMs() == 500.0);

        Type(w, IDC_FREQUENCY, "3000");
        Type(w, IDC_DURATION, "250");
        Click(w, IDC_ADVANCED);
        REQUIRE(EnabledOnes(w) == "--E-");
        REQUIRE(Text(w, IDC_PRESET) == "1000");
        REQUIRE(dialog.m_frequencyHz == 3000);
        REQUIRE(dialog.m_durationMs == 250);
        REQUIRE(prompts.seen.empty());
    });
}

TEST_CASE_FIXTURE(MainWindowDesk, "the slider follows the user only")
{
    RunModal(dialog, [&](Window w) {
        auto position = [&] { return Slider(w, IDC_SLIDER).position; };
        auto fieldFollows = [&] { return Text(w, IDC_FREQUENCY) == std::to_string(position()); };
        // The form's own writes move the thumb without counting as scrolls.
        REQUIRE(dialog.m_sliderPos == 1000);
        REQUIRE(dialog.m_frequencyHz == 1000);
        Click(w, IDC_ADVANCED);

        // A typed duration is thrown away by the next slider write.
        Type(w, IDC_DURATION, "777");
        Type(w, IDC_FREQUENCY, "5555");
        REQUIRE(position() == 1000); // typing does not move the thumb
        Focus(w, IDC_SLIDER);
        Press(w, Key::Right);
        REQUIRE(dialog.m_sliderPos == 1001);
        REQUIRE(Text(w, IDC_FREQUENCY) == "1001");
        REQUIRE(Text(w, IDC_DURATION) == "500");

        // A page is the slider's own step.
        Press(w, Key::PageUp);
        REQUIRE(position() != 1001);
        REQUIRE(fieldFollows());
        Press(w, Key::End);
        REQUIRE(Text(w, IDC_FREQUENCY) == "20000");
        // Both ends of the slider are frequencies the form accepts.
        Click(w, IDC_PLAY);
        Focus(w, IDC_SLIDER);
        Press(w, Key::Home);
        REQUIRE(dialog.m_frequencyHz == 1);
        Click(w, IDC_PLAY);
        REQUIRE(recorder.tones.size() == 2);
        REQUIRE(recorder.tones[0].Is(20000, 500));
        REQUIRE(recorder.tones[1].Is(1, 500));

        // A notch of the mouse wheel (off the end, whichever way the
        // slider takes it), and a click beside the thumb.
        Focus(w, IDC_SLIDER);
        Press(w, Key::Right);
        const int beforeWheel = position();
        if (Wheel(w, IDC_SLIDER)) {
            REQUIRE(position() != beforeWheel);
            REQUIRE(fieldFollows());
        }
        ClickNearEnd(w, IDC_SLIDER);
        REQUIRE(position() > beforeWheel);
        REQUIRE(dialog.m_frequencyHz == position());
        REQUIRE(fieldFollows());

        // A drag: the field follows the thumb while it moves, and the end of
        // the drag writes it once more.
        int dragged = 0;
        Drag(w, IDC_SLIDER, [&] {
            dragged = position();
            REQUIRE(dragged > 5000);
            REQUIRE(fieldFollows());
        });
        REQUIRE(dialog.m_frequencyHz == dragged);
        REQUIRE(dialog.m_sliderPos == dragged);
        REQUIRE(prompts.seen.empty());
    });
}

TEST_CASE_FIXTURE(Desk, "input during a tone waits, and a close stops the tone")
{
    // The stand-in device takes a tone's length to play it, as a real one does.
    ToneRecorder recorder(Pace::RealTime);
    ProbeDlg dialog;
    std::size_t tonesWhenHeld = 99;
    const int result = RunModal(dialog, [&](Window w) {
        Click(w, IDC_ADVANCED);
        // Tones long enough, and presses late enough, that they land during
        // the tones even where the first press of "play" takes a driver (a
        // browser's automation) up to 450 ms to make.
        Type(w, IDC_DURATION, "1000");
        // During the first tone: a press of "play" waits for its end.
        After(500, [&] {
            Click(w, IDC_PLAY);
            tonesWhenHeld = recorder.tones.size();
        });
        // During the second: another press, then Escape, which stops the
        // tone at once and drops the press.
        After(1800, [&] {
            Click(w, IDC_PLAY);
            Press(w, Key::Escape);
        });
        Click(w, IDC_PLAY);
        REQUIRE(WaitUntil([&] { return !Visible(w); }, 3000));
    });
    REQUIRE(result == IDCANCEL);
    REQUIRE(tonesWhenHeld == 1);
    REQUIRE(recorder.tones.size() == 2);
    REQUIRE(recorder.tones[0].Is(1000, 1000));
    // The second tone stopped early, fading out over 10 ms to silence.
    const std::vector<float>& stopped = recorder.tones[1].frames;
    REQUIRE(stopped.size() < 48000 - 480);
    REQUIRE(*std::max_element(stopped.end() - 480, stopped.end() - 430) > 0.45f);
    REQUIRE(std::abs(stopped.back()) < 0.001f);
}

TEST_CASE_FIXTURE(Desk, "input held during a tone acts as it would have without one")
{
    // What the user does after a press of "play", typed through the window
    // system's own input path: once at once, once during the tone.
    const std::vector<std::pair<const char*, std::function<void(Window)>>> inputs = {
        {"a click into the field, End and 5",
         [](Window w) {
             Click(w, IDC_FREQUENCY);
             Stroke(w, Key::End);
             Stroke(w, Key::Five);
         }},
        {"a click into the field and Space",
         [](Window w) {
             Click(w, IDC_FREQUENCY);
             Stroke(w, Key::Space);
         }},
        {"a click into the field, End, Shift+Home and 5",
         [](Window w) {
             Click(w, IDC_FREQUENCY);
             Stroke(w, Key::End);
             Stroke(w, Key::Home, true);
             Stroke(w, Key::Five);
         }},
        {"a click into the field, Ctrl+A and 5",
         [](Window w) {
             Click(w, IDC_FREQUENCY);
             Stroke(w, Key::A, false, true);
             Stroke(w, Key::Five);
         }},
        {"a click on the slider's track", [](Window w) { ClickNearEnd(w, IDC_SLIDER); }},
        {"Shift+Tab on play", [](Window w) { Stroke(w, Key::Tab, true); }},
    };
    for (const auto& entry : inputs) {
        const std::string name = entry.first;
        const auto& input = entry.second;
        CAPTURE(name);
        auto outcome = [&input](bool duringTone) {
            ToneRecorder recorder(Pace::RealTime);
            ProbeDlg dialog;
            std::string seen; // the frequency field, the focus, the tones
            RunModal(dialog, [&](Window w) {
                Click(w, IDC_ADVANCED);
                Type(w, IDC_DURATION, "300");
                if (duringTone)
                    After(100, [&] { input(w); });
                Click(w, IDC_PLAY);
                if (!duringTone)
                    input(w);
                // Held input acts once the tone has ended.
                REQUIRE(WaitUntil([&] { return !recorder.tones.empty() && recorder.tones.back().frames.size() == 14400; }, 3000));
                WaitUntil([] { return false; }, 100);
                seen = Text(w, IDC_FREQUENCY) + ", " + std::to_string(Focused(w)) + ", " +
                       std::to_string(recorder.tones.size());
            });
            return seen;
        };
        const std::string direct = outcome(false);
        CHECK(outcome(true) == direct);
    }
}

TEST_CASE_FIXTURE(Desk, "the mode follows the box only when the read gets there")
{
    ToneRecorder recorder;
    PromptRecorder prompts;
    {
        // An invalid advanced frequency: clearing the box leaves the advanced
        // controls enabled and the combo disabled.
        ProbeDlg dialog;
        RunModal(dialog, [&](Window w) {
            Click(w, IDC_ADVANCED);
            Type(w, IDC_FREQUENCY, "0");
            Click(w, IDC_ADVANCED);
            REQUIRE(prompts.seen.size() == 1);
            REQUIRE_FALSE(Checked(w, IDC_ADVANCED));
            REQUIRE(dialog.m_advancedMode == 1);
            REQUIRE(EnabledOnes(w) == "EE-E");
        });
    }
    prompts.seen.clear();
    {
        // Letters in the preset field while checking the box: advanced mode
        // with the text left in the disabled combo, the prompt on every read,
        // the advanced tone still played, until a slider move writes the last
        // valid preset back.
        ProbeDlg dialog;
        RunModal(dialog, [&](Window w) {
            Type(w, IDC_PRESET, "abc");
            Click(w, IDC_ADVANCED);
            REQUIRE(dialog.m_advancedMode == 1);
            REQUIRE(EnabledOnes(w) == "EE-E");
            REQUIRE(Text(w, IDC_PRESET) == "abc");
            Click(w, IDC_PLAY);
            REQUIRE(prompts.seen.size() == 2);
            REQUIRE(recorder.tones.back().DurationMs() == 500.0);
            Focus(w, IDC_SLIDER);
            Press(w, Key::Left);
            REQUIRE(Text(w, IDC_PRESET) == "1000");
            Click(w, IDC_PLAY);
            REQUIRE(prompts.seen.size() == 2);
            REQUIRE(recorder.tones.back().Is(999, 500));
        });
    }
}
