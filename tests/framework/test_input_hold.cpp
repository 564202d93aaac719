// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The input hold against a scripted event loop: what the user does while work
// runs, in what order it acts, and what a close or a quit does to it. Every
// backend runs this same code; its own tests only show that it sorts and
// delivers events again.

#include "framework/EventLoop.h"
#include "framework/Wait.h"

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

using namespace fw;

namespace {

std::vector<std::string> g_log;                  // what acted, in order
std::deque<std::function<void()>> g_arrivals;    // the user's input, one a loop turn while work runs
bool g_workDone = false;                         // the running work has ended by itself
std::deque<std::function<void()>> g_posted;      // calls posted to the loop
int g_loopsLeftWith = -1;                        // QuitLoops' status

void Act(const std::string& what);

// Input as a backend hands it to the core; what is not taken acts at once.
void Arrive(const std::string& what, InputKind kind = InputKind::Input)
{
    struct Held final : HeldInput {
        explicit Held(std::string w) : what(std::move(w)) {}
        void Deliver() override { Act(what); }
        std::string what;
    };
    if (!TakeInput(kind, [&] { return std::make_unique<Held>(what); }))
        Act(what);
}

// Ends the running work, as the next thing that happens while it runs.
void EndOfWork()
{
    g_workDone = true;
}

// Work that ends at EndOfWork, once the scripted input has run out, or soon
// after it is stopped.
struct ScriptedWork final : Work {
    void Start(std::function<void()>) override { g_log.push_back("start"); }
    bool Finished() override { return stopped || std::exchange(g_workDone, false); }
    void Stop() override
    {
        if (!stopped)
            g_log.push_back("stop");
        stopped = true;
    }
    bool stopped = false;
};

void Act(const std::string& what)
{
    g_log.push_back(what);
    if (what == "play") {
        ScriptedWork tone;
        RunWhileInputWaits(tone);
        g_log.push_back("ended");
    }
}

// Runs what was posted to the loop until nothing is left.
void Settle()
{
    while (!g_posted.empty()) {
        auto next = std::move(g_posted.front());
        g_posted.pop_front();
        next();
    }
}

std::vector<std::string> Run(std::vector<std::function<void()>> duringTheTone)
{
    g_log.clear();
    g_arrivals.assign(duringTheTone.begin(), duringTheTone.end());
    Arrive("play");
    Settle();
    return g_log;
}

using Log = std::vector<std::string>;

} // namespace

namespace fw::backend {

void RunLoopUntil(const std::function<bool()>& done)
{
    while (!done()) {
        if (g_arrivals.empty()) {
            EndOfWork();
            continue;
        }
        auto next = std::move(g_arrivals.front());
        g_arrivals.pop_front();
        next();
    }
}
void WakeLoop() {}
void PostHeldDelivery()
{
    g_posted.push_back([] { DeliverHeldInput(); });
}
void QuitLoops(int status)
{
    g_loopsLeftWith = status;
}

} // namespace fw::backend

TEST_CASE("input during work acts afterwards, in order; other events go on")
{
    CHECK(Run({[] { Arrive("a"); }, [] { Arrive("paint", InputKind::Other); }, [] { Arrive("b"); }}) ==
          Log{"play", "start", "paint", "ended", "a", "b"});
    // A press of play among it: its tone holds what follows, which acts after
    // that tone, still in order, behind input made during the second tone.
    CHECK(Run({[] { Arrive("a"); }, [] { Arrive("play"); }, [] { Arrive("b"); }, EndOfWork, [] { Arrive("c"); }}) ==
          Log{"play", "start", "ended", "a", "play", "start", "ended", "b", "c"});
    // Made-again input (a double click) comes again with what it was made from.
    CHECK(Run({[] { Arrive("double click", InputKind::Derived); }}) == Log{"play", "start", "ended"});
}

TEST_CASE("a close stops the work, drops what was held and what follows, and then acts")
{
    CHECK(Run({[] { Arrive("a"); }, [] { Arrive("close", InputKind::Close); }, [] { Arrive("b"); }}) ==
          Log{"play", "start", "stop", "ended", "close"});
    // Once the close has acted, input acts again at once.
    Arrive("c");
    CHECK(g_log.back() == "c");
    // A close during a tone that replayed input started: what is still held
    // goes too.
    CHECK(Run({[] { Arrive("play"); }, [] { Arrive("a"); }, EndOfWork, [] { Arrive("close", InputKind::Close); },
               [] { Arrive("b"); }}) == Log{"play", "start", "ended", "play", "start", "stop", "ended", "close"});
}

TEST_CASE("a quit stops the work and drops everything, and no work starts after it")
{
    CHECK(Run({[] { Arrive("a"); }, [] { RequestQuit(130); }, [] { Arrive("b"); }}) ==
          Log{"play", "start", "stop", "ended"});
    CHECK(g_loopsLeftWith == 130);
    CHECK(QuitStatus() == 130);
    ScriptedWork late;
    CHECK_FALSE(RunWhileInputWaits(late));
    RequestQuit(0); // the first status stands
    CHECK(QuitStatus() == 130);
}
