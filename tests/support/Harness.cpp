// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#define DOCTEST_CONFIG_IMPLEMENT
#include "Harness.h"

#include "framework/WinApp.h"
#include "resources/ProgramResources.h"
#include "tone/Synth.h"
#include "tone/ToneSource.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <cmath>
#include <exception>
#include <span>
#include <utility>

namespace test {

namespace {

constexpr std::uint32_t kRate = 48000;

// Records every tone that reaches the device; a tone with no frames is no tone.
// It pulls when the tone looks at it: everything at once, or, at real-time
// pace, the frames a device would have played by then, so that a tone lasts
// its length and a fade falls where the clock has got to.
class RecordingDevice final : public vornaby::tone::SoundDevice {
public:
    RecordingDevice(std::vector<RecordedTone>& tones, Pace pace) : m_tones(tones), m_pace(pace) {}
    bool Start(std::shared_ptr<vornaby::tone::ToneSource> source) override
    {
        if (!source->Open(kRate))
            return true;
        m_tones.push_back({kRate, {}});
        m_source = source.get();
        m_start = Clock::now();
        Poll(*source);
        return true;
    }
    void Poll(vornaby::tone::ToneSource& source) override
    {
        if (&source != m_source)
            return;
        std::uint64_t due = source.TotalFrames();
        if (m_pace == Pace::RealTime)
            due = static_cast<std::uint64_t>(
                std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - m_start).count()) * kRate / 1000000;
        std::vector<float>& frames = m_tones.back().frames;
        if (due > source.PulledFrames()) {
            const std::size_t had = frames.size();
            frames.resize(had + static_cast<std::size_t>(due - source.PulledFrames()));
            frames.resize(had + source.Pull(std::span(frames).subspan(had)));
        }
        source.Heard(source.PulledFrames());
    }

private:
    using Clock = std::chrono::steady_clock;
    std::vector<RecordedTone>& m_tones;
    Pace m_pace;
    const vornaby::tone::ToneSource* m_source = nullptr;
    Clock::time_point m_start;
};

std::exception_ptr& Failure()
{
    static std::exception_ptr failure;
    return failure;
}

// The windows tests wait for, while they wait.
struct Watch {
    bool done = false;
};
std::vector<std::shared_ptr<Watch>>& Watches()
{
    static std::vector<std::shared_ptr<Watch>> watches;
    return watches;
}

} // namespace

bool RecordedTone::Is(std::uint32_t frequencyHz, std::uint32_t durationMs) const
{
    vornaby::tone::ToneGenerator tone(rate, frequencyHz, durationMs);
    std::vector<float> expected(tone.TotalFrames());
    (void)tone.Generate(expected);
    return frames == expected;
}

ToneRecorder::ToneRecorder(Pace pace)
    : m_previous(vornaby::tone::InstallSoundDevice(std::make_unique<RecordingDevice>(tones, pace)))
{
}

ToneRecorder::~ToneRecorder()
{
    vornaby::tone::InstallSoundDevice(std::move(m_previous));
}

void Guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (...) {
        if (!Failure())
            Failure() = std::current_exception();
    }
}

void RethrowFailure()
{
    if (std::exception_ptr failure = std::exchange(Failure(), nullptr))
        std::rethrow_exception(failure);
}

int RunModal(CDialog& dialog, const std::function<void(Window)>& script)
{
    const auto running = std::make_shared<bool>(true);
    const int result = driver::RunModal(dialog, [&] {
        Guarded([&] { script(WindowOf(dialog)); });
        for (const std::shared_ptr<Watch>& watch : std::exchange(Watches(), {}))
            if (!watch->done) {
                watch->done = true; // its poll ends
                Guarded([] { FAIL("a window the test waited for never opened"); });
            }
        if (Visible(WindowOf(dialog)))
            dialog.EndDialog(IDCANCEL);
        // After a failure, whatever the test left opening over the dialog
        // is closed as it comes, so that the run ends.
        if (Failure())
            driver::Poll([&dialog, running] {
                if (!*running)
                    return true;
                if (const Window modal = driver::ModalOver(WindowOf(dialog)))
                    CloseBox(modal);
                return false;
            });
    });
    *running = false;
    RethrowFailure();
    return result;
}

void WhenNextModalOpens(Window below, std::function<void(Window modal)> action)
{
    auto watch = std::make_shared<Watch>();
    Watches().push_back(watch);
    driver::Poll([watch, below, action = std::move(action)] {
        if (watch->done)
            return true;
        const Window modal = driver::ModalOver(below);
        if (!modal)
            return false;
        watch->done = true;
        Guarded([&] { action(modal); });
        if (Visible(modal)) {
            Guarded([] { FAIL("a window was left open"); });
            CloseBox(modal);
        }
        return true;
    });
}

PromptRecorder::PromptRecorder() : m_alive(std::make_shared<bool>(true))
{
    driver::Poll([this, alive = m_alive] {
        if (!*alive)
            return true;
        if (std::optional<SeenPrompt> prompt = driver::AnswerPrompt())
            seen.push_back(std::move(*prompt));
        return false;
    });
}

PromptRecorder::~PromptRecorder()
{
    *m_alive = false;
}

std::vector<std::string> PromptRecorder::Texts() const
{
    std::vector<std::string> texts;
    for (const SeenPrompt& prompt : seen)
        texts.push_back(prompt.text);
    return texts;
}

Desk::Desk()
{
    InstallResources(ProgramResources());
    NameApplication("vornaby");
}

Desk::~Desk()
{
    CHECK_FALSE(driver::AnyTopLevelWindow());
}

void CheckLayout(Window w)
{
    const std::vector<Placed> controls = Layout(w);
    for (const Placed& control : controls) {
        INFO(control.name << " " << control.caption);
        CHECK(ClientRect(w).Contains(control.rect));
        if (control.caption.empty() || control.frame)
            continue;
        CHECK(control.rect.width > control.captionWidth);
        CHECK(control.rect.height >= control.lineHeight);
        for (const Placed& other : controls)
            CHECK((&other == &control || other.frame || !control.rect.Intersects(other.rect)));
    }
    // 320 x 200 units, so wider than tall.
    const Rect r = ClientRect(w);
    CHECK(std::abs(r.width * 200.0 / (r.height * 320.0) - 1.0) < 0.6);
}

bool Rect::Contains(const Rect& r) const
{
    return r.x >= x && r.y >= y && r.x + r.width <= x + width && r.y + r.height <= y + height;
}

bool Rect::Intersects(const Rect& r) const
{
    return r.x < x + width && x < r.x + r.width && r.y < y + height && y < r.y + r.height;
}

} // namespace test

namespace {

// Ends the run when a test case outlives its time, naming it, so that a
// window left waiting fails at once instead of at the runner's timeout.
class Watchdog : public test::Listener {
public:
    explicit Watchdog(const doctest::ContextOptions&) {}
    ~Watchdog() override { test::driver::DisarmWatchdog(); }

    void test_case_start(const doctest::TestCaseData& test) override { test::driver::ArmWatchdog(test.m_name, 30); }
    void test_case_end(const doctest::CurrentTestCaseStats&) override { test::driver::DisarmWatchdog(); }
};

REGISTER_LISTENER("watchdog", 1, Watchdog);

} // namespace

int main(int argc, char** argv)
{
    std::cout << std::unitbuf; // what ran is seen even if the run is cut short
    const std::shared_ptr<void> desk = test::driver::Start(argc, argv);
    doctest::Context context(argc, argv);
    return context.run();
}
