// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// What the dialog tests speak, on either backend: a recording sound device in
// place of the program's own, and a driver that works the program's real
// windows by control identifier, as a user does -- clicks and keys go through
// the window system, prompts are read off the screen. Each backend implements
// the driver once (tests/support/qt, tests/support/win32).
//
// A failing check ends its test: the failure is carried out of every window
// and timer it happened in, the windows are closed, and the test stops there.

#include "framework/Dialog.h"
#include "support/ProbeDlg.h"
#include "tone/SoundDevice.h"

#include <doctest/doctest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace test {

using namespace fw;

// ---- Tones ----------------------------------------------------------------

struct RecordedTone {
    std::uint32_t rate = 0;
    std::vector<float> frames;

    [[nodiscard]] double DurationMs() const { return frames.size() * 1000.0 / rate; }
    // Whether these are exactly the synthesiser's frames for that tone.
    [[nodiscard]] bool Is(std::uint32_t frequencyHz, std::uint32_t durationMs) const;
};

// How the stand-in device takes its frames: at once, or as fast as a real
// device plays them (so that a tone lasts its length).
enum class Pace { Instant, RealTime };

// Puts a recording device in place of the sound device for as long as it
// lives. It records as the tone asks after it, on the thread that waits for
// the tone.
class ToneRecorder {
public:
    explicit ToneRecorder(Pace pace = Pace::Instant);
    ~ToneRecorder();
    std::vector<RecordedTone> tones;

private:
    std::shared_ptr<vornaby::tone::SoundDevice> m_previous;
};

// ---- Windows --------------------------------------------------------------

// One of the program's windows: a dialog's, or one that opened over it (a
// prompt, the About box). Empty when there is none.
struct Window {
    void* handle = nullptr;
    explicit operator bool() const { return handle != nullptr; }
    bool operator==(const Window&) const = default;
};

[[nodiscard]] Window WindowOf(const CDialog& dialog);

// Runs dialog modally; script runs once the window is up and active. A
// dialog the script leaves open is cancelled afterwards, and so is a window
// that WhenNextModalOpens waited for and that never came (a failure).
// Returns DoModal's result.
int RunModal(CDialog& dialog, const std::function<void(Window)>& script);

// Runs action on the next window that opens modally over below (a prompt,
// the About box, ...); the action should close it, or it is closed after.
void WhenNextModalOpens(Window below, std::function<void(Window modal)> action);

struct SeenPrompt {
    std::string title;
    std::string text;
    bool warning = false; // shows the warning icon
    bool okOnly = false;  // its one button is OK
    bool modal = false;   // the window below takes no input while it is open
};

// Answers every prompt with OK and remembers what it said.
class PromptRecorder {
public:
    PromptRecorder();
    ~PromptRecorder();
    std::vector<SeenPrompt> seen;
    [[nodiscard]] std::vector<std::string> Texts() const;

private:
    std::shared_ptr<bool> m_alive;
};

// The dialog tests' fixture: the program's resources and name, as its own
// start-up installs them, and the check that the test closed what it opened:
// no top-level window remains, shown or not.
struct Desk {
    Desk();
    ~Desk();
};

// The main window on a recording device, its prompts answered and recorded:
// what a case of the main window starts from. A case that opens it more than
// once makes a fresh one for each.
struct MainWindow {
    explicit MainWindow(Pace pace = Pace::Instant) : recorder(pace) {}
    ToneRecorder recorder;
    PromptRecorder prompts;
    ProbeDlg dialog;
};
struct MainWindowDesk : Desk, MainWindow {};

// ---- What a backend's driver reads ------------------------------------------

[[nodiscard]] std::string Title(Window window);
// An edit field's text, a combo box's field, a caption.
[[nodiscard]] std::string Text(Window window, int id);
// Every static text and frame caption that is not empty.
[[nodiscard]] std::vector<std::string> Captions(Window window);
// The identifiers of the window's controls, sorted.
[[nodiscard]] std::vector<int> ControlIds(Window window);
[[nodiscard]] std::vector<std::string> ListItems(Window window, int id);
[[nodiscard]] bool Enabled(Window window, int id);
[[nodiscard]] bool Checked(Window window, int id);
struct SliderState {
    int minimum = 0, maximum = 0, position = 0;
    bool operator==(const SliderState&) const = default;
};
[[nodiscard]] SliderState Slider(Window window, int id);
// The control with the keyboard focus (a combo box for its field); -1: none.
[[nodiscard]] int Focused(Window window);
// The selected text of the field with the focus.
[[nodiscard]] std::string SelectedText(Window window);
[[nodiscard]] bool Visible(Window window);
[[nodiscard]] bool Minimized(Window window);
[[nodiscard]] Window Owner(Window window);
// The caption of the label that names a field for a screen reader (Qt: its
// buddy; Windows: the static text just before it), empty if none does.
[[nodiscard]] std::string LabelOf(Window window, int id);
// What a screen reader reads for a control, from the platform's own
// accessibility layer (Qt's, which AT-SPI relays; Windows' IAccessible): its
// name, and its role ("push button", "check box", "text", "slider"; empty
// for any other, such as Wine's generic "client").
struct Accessible {
    std::string name;
    std::string role;
};
[[nodiscard]] Accessible AccessibleOf(Window window, int id);
// The window shows a picture (an icon in a static control).
[[nodiscard]] bool ShowsPicture(Window window);
// The window carries the program's icon in the sizes its frame and the task
// bar ask for (on Windows also after a move to a screen of twice the scale).
[[nodiscard]] bool CarriesIcon(Window window);

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    [[nodiscard]] bool Contains(const Rect& r) const;
    [[nodiscard]] bool Intersects(const Rect& r) const;
    bool operator==(const Rect&) const = default;
};
struct Placed {
    std::string name;    // the template's name for the control
    Rect rect;           // in the window's client area
    std::string caption; // empty for fields, lists and sliders
    int captionWidth = 0;
    int lineHeight = 0;
    bool frame = false; // a frame around other controls
};
[[nodiscard]] Rect ClientRect(Window window);
[[nodiscard]] std::vector<Placed> Layout(Window window);
// Every caption fits its control and the window; no two controls overlap
// but the frames around them; the window keeps the template's proportions.
void CheckLayout(Window window);

// ---- What a backend's driver does ---------------------------------------------

enum class Key { Tab, Return, Escape, Left, Right, Up, Down, PageUp, Home, End, Space, Five, A };

// A click of the left button at the control's centre, through its window.
void Click(Window window, int id);
// Replaces what an edit field or combo box's field holds by typing text.
void Type(Window window, int id, const std::string& text);
void Focus(Window window, int id);
// A key on whichever control has the focus.
void Press(Window window, Key key);
// A key as the keyboard types it: through the window system's input queue,
// with Shift and Control held when asked, to whichever control has the focus once it is
// taken from there.
void Stroke(Window window, Key key, bool shift = false, bool control = false);
// Drops the list of a combo box and clicks one of its items.
void PickListItem(Window window, int id, int index);
// The window's close box, as the window manager delivers it.
void CloseBox(Window window);
// A slider: one wheel notch (false where the slider takes no wheel: Wine's
// has none); a click beside the thumb near the end of the range; the thumb
// dragged half its length toward the end, with held called while the button
// is still down.
bool Wheel(Window window, int id);
void ClickNearEnd(Window window, int id);
void Drag(Window window, int id, const std::function<void()>& held);
// The window menu's items as the window system shows them ("-" for a
// separator, without accelerator hints), and choosing one.
[[nodiscard]] std::vector<std::string> WindowMenu(Window window);
void ChooseFromWindowMenu(Window window, const std::string& item);
// Runs action after ms, on the UI thread, inside whatever loop is running.
void After(int ms, std::function<void()> action);
// Keeps the windows running until condition holds or ms have passed.
bool WaitUntil(const std::function<bool()>& condition, int ms);
// Switches the program's texts to language ("en" for the program's own),
// laid out in its own direction or, with asWritten false, left to right;
// false where the backend cannot.
bool UseLanguage(const std::string& language, bool asWritten = true);
// Switches to the desktop's language, as the program does when it starts.
void UseDesktopLanguage();
// The first item of a field's own edit menu, where the backend makes that
// menu (the Qt backend does; the window system's own menu is its own).
[[nodiscard]] std::optional<std::string> EditMenuFirstItem(Window window, int id);

// A doctest listener that takes no event but those it overrides.
struct Listener : doctest::IReporter {
    void report_query(const doctest::QueryData&) override {}
    void test_run_start() override {}
    void test_run_end(const doctest::TestRunStats&) override {}
    void test_case_start(const doctest::TestCaseData&) override {}
    void test_case_reenter(const doctest::TestCaseData&) override {}
    void test_case_end(const doctest::CurrentTestCaseStats&) override {}
    void test_case_exception(const doctest::TestCaseException&) override {}
    void subcase_start(const doctest::SubcaseSignature&) override {}
    void subcase_end() override {}
    void log_assert(const doctest::AssertData&) override {}
    void log_message(const doctest::MessageData&) override {}
    void test_case_skipped(const doctest::TestCaseData&) override {}
};

// ---- Between the driver and the shared harness --------------------------------

namespace driver {
// The process's desk: the backend's application object, if it has one, to
// keep while the tests run.
[[nodiscard]] std::shared_ptr<void> Start(int& argc, char** argv);
// Runs script once the dialog's window is up, inside its modal run.
int RunModal(CDialog& dialog, const std::function<void()>& script);
// Calls poll over and over, from whatever loop runs, until it returns true.
void Poll(std::function<bool()> poll);
// The window that is modal over below now, if any.
[[nodiscard]] Window ModalOver(Window below);
// If a prompt is open, what it says, after pressing its OK.
[[nodiscard]] std::optional<SeenPrompt> AnswerPrompt();
[[nodiscard]] bool AnyTopLevelWindow();
// Ends the run, naming the test case, once seconds have passed; disarmed at
// the case's end.
void ArmWatchdog(const std::string& testCase, int seconds);
void DisarmWatchdog();
} // namespace driver

// Runs action; a failing check in it is kept, to be thrown again by
// RethrowFailure, so that it leaves the window system's callbacks behind.
void Guarded(const std::function<void()>& action);
// Throws a failure kept by Guarded; each driver action ends with it.
void RethrowFailure();

} // namespace test
