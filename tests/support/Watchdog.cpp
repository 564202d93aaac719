// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The test case watchdog where the tests have threads (Qt, Win32): a thread
// that waits out the case's time and ends the process if the case is still
// running then.
#include "support/Harness.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace test::driver {
namespace {

struct Watchdog {
    std::mutex mutex;
    std::condition_variable ended;
    bool armed = false;
    std::thread thread;
};

Watchdog& Dog()
{
    static Watchdog dog;
    return dog;
}

} // namespace

void ArmWatchdog(const std::string& testCase, int seconds)
{
    DisarmWatchdog();
    Watchdog& dog = Dog();
    const std::lock_guard lock(dog.mutex);
    dog.armed = true;
    dog.thread = std::thread([&dog, testCase, seconds] {
        std::unique_lock held(dog.mutex);
        if (!dog.ended.wait_for(held, std::chrono::seconds(seconds), [&dog] { return !dog.armed; })) {
            std::fprintf(stderr, "\"%s\" still runs after %d s: the run ends here\n", testCase.c_str(), seconds);
            std::fflush(stderr);
            std::_Exit(3);
        }
    });
}

void DisarmWatchdog()
{
    Watchdog& dog = Dog();
    {
        const std::lock_guard lock(dog.mutex);
        dog.armed = false;
    }
    dog.ended.notify_all();
    if (dog.thread.joinable())
        dog.thread.join();
}

} // namespace test::driver
