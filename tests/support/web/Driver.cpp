// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The test driver on the web backend: the real page's windows in headless
// Chromium. Reads come off the DOM (driver.js); clicks and keys are real
// input, made by the runner through WebDriver while the program waits.
#include "support/Harness.h"

#include "framework/EventLoop.h"
#include "framework/web/WebPage.h"

#include <emscripten.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <sstream>

namespace test {
namespace {

// clang-format off
EM_JS(char*, JsDriver, (const char* call), {
    const text = VornabyDriver.call(UTF8ToString(call));
    return VornabyPage.copyOut(text);
});
EM_ASYNC_JS(char*, JsDrive, (const char* action, int inputHeld), {
    VornabyPage.holdInput(inputHeld !== 0);
    return VornabyPage.copyOut(await VornabyDriver.drive(JSON.parse(UTF8ToString(action))));
});
EM_JS(int, JsPending, (), { return VornabyPage.pending(); });
// clang-format on

int Handle(Window window)
{
    return static_cast<int>(reinterpret_cast<std::intptr_t>(window.handle));
}

Window FromHandle(int handle)
{
    return {handle ? reinterpret_cast<void*>(static_cast<std::intptr_t>(handle)) : nullptr};
}

template <typename... Args>
std::string Call(const char* name, Args... args)
{
    std::ostringstream call;
    call << name;
    ((call << '\t' << args), ...);
    char* result = JsDriver(call.str().c_str());
    std::string text(result ? result : "");
    std::free(result);
    return text;
}

std::vector<std::string> Lines(const std::string& text, char separator = '\n')
{
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line, separator);)
        lines.push_back(line);
    return lines;
}

void RequireControl(Window window, int id)
{
    REQUIRE_MESSAGE(Call("exists", Handle(window), id) == "1", "no control " << id);
}

// Has the runner make the input, then lets the program take what it made;
// the runner's answer.
std::string Drive(const std::string& action)
{
    char* answer = JsDrive(action.c_str(), fw::InputIsHeld());
    std::string text(answer ? answer : "");
    std::free(answer);
    fw::backend::RunLoopUntil([] { return JsPending() == 0; });
    RethrowFailure();
    return text;
}

void ClickAt(const std::string& selector, int dx = 0)
{
    Drive("{\"do\": \"click\", \"selector\": " + fw::JsonString(selector) + ", \"dx\": " + std::to_string(dx) + "}");
}

const char* KeyName(Key key)
{
    switch (key) {
    case Key::Tab: return "Tab";
    case Key::Return: return "Return";
    case Key::Escape: return "Escape";
    case Key::Left: return "Left";
    case Key::Right: return "Right";
    case Key::Up: return "Up";
    case Key::Down: return "Down";
    case Key::PageUp: return "PageUp";
    case Key::Home: return "Home";
    case Key::End: return "End";
    case Key::Space: return "Space";
    case Key::Five: return "5";
    case Key::A: return "a";
    }
    return "";
}

// Opens the window menu with Shift+F10, as the keyboard does.
void OpenWindowMenu(Window window)
{
    if (Call("focused", Handle(window)) == "-1")
        Call("focusFirst", Handle(window));
    Drive("{\"do\": \"keys\", \"keys\": [\"F10\"], \"shift\": true}");
    REQUIRE(Call("menuOpen") == "1");
}

} // namespace

Window WindowOf(const CDialog& dialog)
{
    return FromHandle(fw::backend::PageHandle(dialog.BackendWindow()));
}

std::string Title(Window window)
{
    return Call("title", Handle(window));
}

std::string Text(Window window, int id)
{
    RequireControl(window, id);
    return Call("text", Handle(window), id);
}

std::vector<std::string> Captions(Window window)
{
    return Lines(Call("captions", Handle(window)));
}

std::vector<int> ControlIds(Window window)
{
    std::vector<int> ids;
    for (const std::string& id : Lines(Call("ids", Handle(window))))
        ids.push_back(std::stoi(id));
    return ids;
}

std::vector<std::string> ListItems(Window window, int id)
{
    RequireControl(window, id);
    return Lines(Call("items", Handle(window), id));
}

bool Enabled(Window window, int id)
{
    RequireControl(window, id);
    return Call("enabled", Handle(window), id) == "1";
}

bool Checked(Window window, int id)
{
    RequireControl(window, id);
    return Call("checked", Handle(window), id) == "1";
}

SliderState Slider(Window window, int id)
{
    RequireControl(window, id);
    const std::vector<std::string> state = Lines(Call("slider", Handle(window), id));
    REQUIRE(state.size() == 3);
    return {std::stoi(state[0]), std::stoi(state[1]), std::stoi(state[2])};
}

int Focused(Window window)
{
    return std::stoi(Call("focused", Handle(window)));
}

std::string SelectedText(Window)
{
    return Call("selected");
}

bool Visible(Window window)
{
    return window && Call("visible", Handle(window)) == "1";
}

bool Minimized(Window window)
{
    return Call("minimized", Handle(window)) == "1";
}

Window Owner(Window window)
{
    return FromHandle(std::stoi(Call("owner", Handle(window))));
}

std::string LabelOf(Window window, int id)
{
    RequireControl(window, id);
    return Call("labelOf", Handle(window), id);
}

// What the browser's accessibility tree gives a screen reader, as the engine's
// automation reads it (its ARIA role, in the words the suite uses).
Accessible AccessibleOf(Window window, int id)
{
    RequireControl(window, id);
    const std::string selector = Call("selector", Handle(window), id, "inner");
    std::vector<std::string> read = Lines(Drive("{\"do\": \"accessible\", \"selector\": " + fw::JsonString(selector) + "}") + "\n.");
    static const std::map<std::string, std::string> roles{
        {"button", "push button"}, {"checkbox", "check box"}, {"textbox", "text"}, {"slider", "slider"}};
    const auto role = roles.find(read.size() > 1 ? read[1] : "");
    return {read[0], role == roles.end() ? "" : role->second};
}

bool ShowsPicture(Window window)
{
    WaitUntil([&] { return Call("picture", Handle(window)) == "1"; }, 2000);
    return Call("picture", Handle(window)) == "1";
}

bool CarriesIcon(Window window)
{
    return Call("icon", Handle(window)) == "1";
}

Rect ClientRect(Window window)
{
    const std::vector<std::string> size = Lines(Call("client", Handle(window)));
    return {0, 0, std::stoi(size[0]), std::stoi(size[1])};
}

std::vector<Placed> Layout(Window window)
{
    std::vector<Placed> placed;
    for (const std::string& line : Lines(Call("layout", Handle(window)))) {
        std::vector<std::string> f = Lines(line, '\t');
        f.resize(9);
        placed.push_back({f[0],
                          {std::stoi(f[1]), std::stoi(f[2]), std::stoi(f[3]), std::stoi(f[4])},
                          f[5], std::stoi(f[6]), std::stoi(f[7]), f[8] == "1"});
    }
    return placed;
}

void Click(Window window, int id)
{
    RequireControl(window, id);
    ClickAt(Call("selector", Handle(window), id, "outer"));
}

void Type(Window window, int id, const std::string& text)
{
    RequireControl(window, id);
    Call("selectAll", Handle(window), id);
    Drive("{\"do\": \"keys\", \"keys\": [\"Delete\"]}");
    if (!text.empty())
        Drive("{\"do\": \"text\", \"text\": " + fw::JsonString(text) + "}");
}

void Focus(Window window, int id)
{
    RequireControl(window, id);
    Call("focus", Handle(window), id);
}

void Press(Window window, Key key)
{
    Stroke(window, key);
}

void Stroke(Window, Key key, bool shift, bool control)
{
    Drive(std::string("{\"do\": \"keys\", \"keys\": [\"") + KeyName(key) + "\"], \"shift\": " +
          (shift ? "true" : "false") + ", \"control\": " + (control ? "true" : "false") + "}");
}

void PickListItem(Window window, int id, int index)
{
    RequireControl(window, id);
    ClickAt(Call("comboArrow", Handle(window), id));
    ClickAt(Call("comboItem", Handle(window), id, index));
}

void CloseBox(Window window)
{
    ClickAt(Call("closeSelector", Handle(window)));
}

bool Wheel(Window, int)
{
    return false; // a browser's range control takes no wheel
}

void ClickNearEnd(Window window, int id)
{
    RequireControl(window, id);
    const int width = static_cast<int>(std::stod(Lines(Call("box", Handle(window), id)).front()));
    ClickAt(Call("selector", Handle(window), id, "inner"), width / 2 - 3);
}

void Drag(Window window, int id, const std::function<void()>& held)
{
    RequireControl(window, id);
    const std::string selector = Call("selector", Handle(window), id, "inner");
    const int thumb = std::stoi(Call("thumb", Handle(window), id));
    const int width = static_cast<int>(std::stod(Lines(Call("box", Handle(window), id)).front()));
    Drive("{\"do\": \"press\", \"selector\": " + fw::JsonString(selector) + ", \"dx\": " + std::to_string(thumb) + "}");
    held();
    Drive("{\"do\": \"release\", \"dx\": " + std::to_string(width / 2) + "}");
}

std::vector<std::string> WindowMenu(Window window)
{
    OpenWindowMenu(window);
    const std::vector<std::string> items = Lines(Call("menuItems"));
    REQUIRE(!items.empty());
    Drive("{\"do\": \"keys\", \"keys\": [\"Escape\"]}");
    return items;
}

void ChooseFromWindowMenu(Window window, const std::string& item)
{
    OpenWindowMenu(window);
    const std::string selector = Call("menuSelector", item);
    REQUIRE_MESSAGE(!selector.empty(), "no item " << item);
    ClickAt(selector);
}

void After(int ms, std::function<void()> action)
{
    fw::PostCall(ms, [action = std::move(action)] { Guarded(action); });
}

bool WaitUntil(const std::function<bool()>& condition, int ms)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    fw::backend::RunLoopUntil([&] { return condition() || std::chrono::steady_clock::now() > deadline; });
    return condition();
}

bool UseLanguage(const std::string& language, bool asWritten)
{
    fw::UseLanguage(language, asWritten);
    return true;
}

void UseDesktopLanguage()
{
    fw::UseBrowserLanguage();
}

std::optional<std::string> EditMenuFirstItem(Window, int)
{
    return std::nullopt; // a field's menu is the browser's own
}

namespace driver {

std::shared_ptr<void> Start(int&, char**)
{
    return nullptr;
}

int RunModal(CDialog& dialog, const std::function<void()>& script)
{
    fw::PostCall(0, [&dialog, &script] {
        if (!Visible(WindowOf(dialog)))
            Guarded([] { FAIL("the dialog's window did not show"); });
        script();
    });
    return dialog.DoModal();
}

void Poll(std::function<bool()> poll)
{
    auto next = std::make_shared<std::function<void()>>();
    *next = [poll = std::move(poll), next]() mutable {
        if (!poll())
            fw::PostCall(10, *next);
        else
            *next = nullptr; // lets the loop of references go
    };
    fw::PostCall(0, *next);
}

Window ModalOver(Window below)
{
    return FromHandle(std::stoi(Call("modalOver", Handle(below))));
}

std::optional<SeenPrompt> AnswerPrompt()
{
    const std::vector<std::string> seen = Lines(Call("answerPrompt"));
    if (seen.size() < 5)
        return std::nullopt;
    return SeenPrompt{seen[0], seen[1], seen[2] == "1", seen[3] == "1", seen[4] == "1"};
}

bool AnyTopLevelWindow()
{
    return Call("anyWindow") == "1";
}

void ArmWatchdog(const std::string& testCase, int seconds)
{
    Call("arm", testCase, seconds);
}

void DisarmWatchdog()
{
    Call("disarm");
}

} // namespace driver
} // namespace test

namespace {

// Tells the page the run's outcome once doctest has printed it: main's
// return is not seen where the program waits as the page's does.
// clang-format off
EM_JS(void, JsFinish, (int status), { setTimeout(() => VornabySuite.finish(status), 0); });
// clang-format on

class PageReport : public test::Listener {
public:
    explicit PageReport(const doctest::ContextOptions&) {}
    void test_run_end(const doctest::TestRunStats& stats) override
    {
        JsFinish(stats.numTestCasesFailed > 0 || stats.numAssertsFailed > 0 ? 1 : 0);
    }
};

REGISTER_LISTENER("page", 2, PageReport);

} // namespace
