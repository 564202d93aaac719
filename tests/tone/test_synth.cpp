// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The synthesiser's frames, checked directly: count, frequency, ramps, level,
// an early end and silence where a tone cannot be sounded; and a tone's life
// on a device that pulls it, stalls, or does not hear its fade.

#include "tone/Tone.h"
#include "tone/SoundDevice.h"
#include "tone/Synth.h"
#include "tone/ToneSource.h"

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>
#include <vector>

using namespace vornaby::tone;

namespace {

std::vector<float> Render(std::uint32_t rate, std::uint32_t frequencyHz, std::uint32_t durationMs)
{
    ToneGenerator tone(rate, frequencyHz, durationMs);
    std::vector<float> frames(tone.TotalFrames());
    // In odd-sized blocks, so block edges fall everywhere.
    std::size_t done = 0;
    while (done < frames.size())
        done += tone.Generate(std::span(frames).subspan(done, std::min<std::size_t>(97, frames.size() - done)));
    return frames;
}

} // namespace

TEST_CASE("the frame count is exact")
{
    struct Row {
        std::uint32_t rate, durationMs;
        std::uint64_t frames;
    };
    for (const Row& row : {
             Row{48000, 300, 14400},
             Row{44100, 1, 44},             // rounds
             Row{44100, 3, 132},            // 132.3 rounds down
             Row{44100, 5, 221},            // 220.5 rounds half up
             Row{48000, 0, 0},
             Row{48000, 10000, 480000},     // the longest held
             Row{192000, 4294967295u, 824633720640ull}, // no overflow
         }) {
        CAPTURE(row.rate);
        CAPTURE(row.durationMs);
        CHECK(FrameCount(row.durationMs, row.rate) == row.frames);
        if (row.frames < 1000000)
            CHECK(ToneGenerator(row.rate, 1000, row.durationMs).TotalFrames() == row.frames);
    }
}

TEST_CASE("a tone is an exact sine at -6 dBFS")
{
    for (const std::uint32_t frequencyHz : {1000u, 40u, 1u, 20000u, 8837u}) {
        CAPTURE(frequencyHz);
        const auto x = Render(48000, frequencyHz, 2000);
        const std::size_t ramp = RampFrames(x.size(), 48000);
        REQUIRE(ramp == 480);
        // Beyond the float format's own rounding there is nothing but the
        // tone: every plateau frame is the sine at its frame centre.
        std::size_t off = 0;
        for (std::size_t n = ramp; n < x.size() - ramp; ++n) {
            const long double phase = std::numbers::pi_v<long double> * frequencyHz * (2 * n + 1) / 48000;
            off += std::abs(x[n] - 0.5L * std::sin(phase)) >= 6e-8L;
        }
        CHECK(off == 0);
        // Level: -6 dBFS, by the plateau's RMS; no frame beyond the peak.
        double energy = 0;
        for (std::size_t n = ramp; n < x.size() - ramp; ++n)
            energy += double(x[n]) * x[n];
        const double amplitude = std::sqrt(2 * energy / double(x.size() - 2 * ramp));
        if (frequencyHz >= 40)
            CHECK(std::abs(amplitude - 0.5) < 0.002);
        CHECK(std::ranges::all_of(x, [](float v) { return std::abs(v) <= 0.5f; }));
    }
}

TEST_CASE("ramps are raised cosines that leave a plateau")
{
    struct Row {
        std::uint32_t durationMs;
        int rampFrames;
    };
    for (const Row& row : {Row{300, 480}, Row{40, 480}, Row{20, 240} /* a quarter */, Row{1, 12} /* still ramps */}) {
        CAPTURE(row.durationMs);
        ToneGenerator tone(48000, 1000, row.durationMs);
        CHECK(RampFrames(tone.TotalFrames(), 48000) == std::uint64_t(row.rampFrames));
        // 12 kHz at 48 kHz, sampled at frame centres: every frame sits at
        // +-sin(pi/4) of the sine, so the envelope reads straight off the frames.
        const auto x = Render(48000, 12000, row.durationMs);
        const int n = static_cast<int>(x.size());
        int off = 0;
        for (int i = 0; i < n; ++i) {
            const int edge = std::min(i, n - 1 - i);
            const double expected =
                edge >= row.rampFrames ? 1.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * (edge + 0.5) / row.rampFrames);
            off += std::abs(std::abs(x[i]) - 0.5 * std::sqrt(0.5) * expected) >= 1e-6;
        }
        CHECK(off == 0);
        CHECK((x[0] != 0.0f && std::abs(x[0]) < 0.01)); // sound from the first frame, barely
        CHECK(x[n - 1] == -x[0]);                       // and symmetric to the last
    }
}

TEST_CASE("ending soon fades out within one ramp")
{
    ToneGenerator tone(48000, 12000, 2000);
    std::vector<float> x(4800);
    REQUIRE(tone.Generate(x) == x.size());
    tone.EndSoon();
    CHECK(tone.FramesLeft() == 480); // one 10 ms ramp
    x.resize(4800 + 480);
    REQUIRE(tone.Generate(std::span(x).subspan(4800)) == 480);
    // The envelope falls from full level to nothing, as at a natural end.
    const double peak = 0.5 * std::sqrt(0.5);
    CHECK(std::abs(std::abs(x[4800]) - peak) < 1e-4);
    for (std::size_t n = 4801; n < x.size(); ++n)
        REQUIRE(std::abs(x[n]) <= std::abs(x[n - 1]) + 1e-7f);
    CHECK(std::abs(x.back()) < 0.001);
    tone.EndSoon(); // nothing left to end
    CHECK(tone.FramesLeft() == 0);
}

TEST_CASE("frequencies that cannot be sounded are silence")
{
    for (const std::uint32_t f : {0u, 24000u, 24001u, 150000u, 4294967295u}) {
        CHECK_FALSE(CanSound(f, 48000));
        CHECK(ToneGenerator(48000, f, 300).TotalFrames() == 0);
    }
    CHECK(CanSound(23999, 48000));
    CHECK(CanSound(22049, 44100));
    CHECK_FALSE(CanSound(22050, 44100));
}

TEST_CASE("a tone ends when heard, fades at the next pull, and is given up on a device that stalls")
{
    // A device that pulls a block, and hears it, each time the tone looks,
    // while it runs; the test says when it runs.
    struct SteppedDevice final : SoundDevice {
        bool Start(std::shared_ptr<ToneSource> started) override
        {
            source = std::move(started);
            (void)source->Open(48000);
            return true;
        }
        void Poll(ToneSource& polled) override
        {
            if (!pulls)
                return;
            std::vector<float> block(480, 1.0f);
            const std::size_t n = polled.Pull(block);
            tail = std::all_of(block.begin() + static_cast<std::ptrdiff_t>(n), block.end(), [](float f) { return f == 0.0f; })
                       ? block.size() - n
                       : 0;
            if (hears)
                polled.Heard(polled.PulledFrames());
        }
        std::shared_ptr<ToneSource> source;
        bool pulls = true;
        bool hears = true;
        std::size_t tail = 0;
    };
    auto device = std::make_shared<SteppedDevice>();
    const auto previous = InstallSoundDevice(device);
    using Clock = std::chrono::steady_clock;
    auto endsWithin = [](const Tone& tone, Clock::duration limit) {
        const auto start = Clock::now();
        while (!tone.Ended() && Clock::now() - start < limit)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return tone.Ended() ? Clock::now() - start : Clock::duration::max();
    };
    using std::chrono::milliseconds;
    {
        // Every frame, then silence after the last; it ends once all are heard.
        const Tone tone(1000, 305);
        CHECK(endsWithin(tone, milliseconds(2000)) < milliseconds(2000));
        CHECK(tone.Played());
        CHECK(device->source->TotalFrames() == 14640);
        CHECK(device->tail == 240); // the last pull ended in silence
    }
    {
        // A fade shortens the tone to one ramp after the frames pulled so far.
        Tone tone(1000, 8000);
        CHECK_FALSE(tone.Ended());
        const std::uint64_t pulled = device->source->PulledFrames();
        tone.Fade();
        CHECK(endsWithin(tone, milliseconds(500)) < milliseconds(500));
        CHECK(tone.Played());
        CHECK(device->source->TotalFrames() == pulled + 480);
    }
    {
        // A device that takes no frame is given up after a second.
        device->pulls = false;
        const Tone tone(1000, 8000);
        const auto took = endsWithin(tone, milliseconds(3000));
        CHECK(took > milliseconds(950));
        CHECK(took < milliseconds(1400));
        CHECK_FALSE(tone.Played());
        CHECK(device->source->Now() == ToneSource::State::GivenUp);
    }
    {
        // A fade that is pulled but never heard is given up half a second on.
        device->pulls = true;
        device->hears = false;
        Tone tone(1000, 8000);
        tone.Fade();
        const auto took = endsWithin(tone, milliseconds(3000));
        CHECK(took > milliseconds(450));
        CHECK(took < milliseconds(900));
        CHECK_FALSE(tone.Played());
    }
    InstallSoundDevice(previous);
}
