// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The synthesiser's frames, checked directly: count, frequency, ramps, level,
// an early end, silence where a tone cannot be sounded, and the integer
// samples of devices that take no float.

#include "tone/linux/AlsaDevice.h"
#include "tone/Synth.h"

#include <QTest>

#include <cmath>
#include <cstring>
#include <numbers>
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

class SynthTest : public QObject {
    Q_OBJECT
private slots:
    void frameCountIsExact_data()
    {
        QTest::addColumn<uint>("rate");
        QTest::addColumn<uint>("durationMs");
        QTest::addColumn<qulonglong>("frames");
        QTest::newRow("300 ms at 48k") << 48000u << 300u << 14400ull;
        QTest::newRow("1 ms at 44.1k rounds") << 44100u << 1u << 44ull;
        QTest::newRow("3 ms at 44.1k rounds up") << 44100u << 3u << 132ull; // 132.3
        QTest::newRow("5 ms at 44.1k") << 44100u << 5u << 221ull; // 220.5 rounds half up
        QTest::newRow("zero") << 48000u << 0u << 0ull;
        QTest::newRow("longest held") << 48000u << 10000u << 480000ull;
        QTest::newRow("no overflow") << 192000u << 4294967295u << 824633720640ull;
    }
    void frameCountIsExact()
    {
        QFETCH(uint, rate);
        QFETCH(uint, durationMs);
        QFETCH(qulonglong, frames);
        QCOMPARE(FrameCount(durationMs, rate), frames);
        if (frames < 1000000)
            QCOMPARE(ToneGenerator(rate, 1000, durationMs).TotalFrames(), frames);
    }

    void toneIsAnExactSineAtMinusSixDb_data()
    {
        QTest::addColumn<uint>("frequencyHz");
        QTest::newRow("1 kHz") << 1000u;
        QTest::newRow("40 Hz") << 40u;
        QTest::newRow("1 Hz") << 1u;
        QTest::newRow("20 kHz") << 20000u;
        QTest::newRow("odd") << 8837u;
    }
    void toneIsAnExactSineAtMinusSixDb()
    {
        QFETCH(uint, frequencyHz);
        const auto x = Render(48000, frequencyHz, 2000);
        const std::size_t ramp = RampFrames(x.size(), 48000);
        QCOMPARE(ramp, std::size_t{480});
        // Beyond the float format's own rounding there is nothing but the
        // tone: every plateau frame is the sine at its frame centre.
        for (std::size_t n = ramp; n < x.size() - ramp; ++n) {
            const long double phase = std::numbers::pi_v<long double> * frequencyHz * (2 * n + 1) / 48000;
            QVERIFY2(std::abs(x[n] - 0.5L * std::sin(phase)) < 6e-8L, qPrintable(QString::number(n)));
        }
        // Level: -6 dBFS, by the plateau's RMS; no frame beyond the peak.
        double energy = 0;
        for (std::size_t n = ramp; n < x.size() - ramp; ++n)
            energy += double(x[n]) * x[n];
        const double amplitude = std::sqrt(2 * energy / double(x.size() - 2 * ramp));
        if (frequencyHz >= 40)
            QVERIFY2(std::abs(amplitude - 0.5) < 0.002, qPrintable(QString::number(amplitude)));
        for (float v : x)
            QVERIFY(std::abs(v) <= 0.5f);
    }

    void rampsAreRaisedCosinesThatLeaveAPlateau_data()
    {
        QTest::addColumn<uint>("durationMs");
        QTest::addColumn<int>("rampFrames");
        QTest::newRow("long tone: 10 ms") << 300u << 480;
        QTest::newRow("40 ms: 10 ms") << 40u << 480;
        QTest::newRow("20 ms: a quarter") << 20u << 240;
        QTest::newRow("1 ms still ramps") << 1u << 12;
    }
    void rampsAreRaisedCosinesThatLeaveAPlateau()
    {
        QFETCH(uint, durationMs);
        QFETCH(int, rampFrames);
        ToneGenerator tone(48000, 1000, durationMs);
        QCOMPARE(RampFrames(tone.TotalFrames(), 48000), std::uint64_t(rampFrames));
        // 12 kHz at 48 kHz, sampled at frame centres: every frame sits at
        // +-sin(pi/4) of the sine, so the envelope reads straight off the frames.
        const auto x = Render(48000, 12000, durationMs);
        const int n = static_cast<int>(x.size());
        for (int i = 0; i < n; ++i) {
            const int edge = std::min(i, n - 1 - i);
            const double expected =
                edge >= rampFrames ? 1.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * (edge + 0.5) / rampFrames);
            QVERIFY2(std::abs(std::abs(x[i]) - 0.5 * std::sqrt(0.5) * expected) < 1e-6,
                     qPrintable(QString::number(i)));
        }
        QVERIFY(x[0] != 0.0f && std::abs(x[0]) < 0.01); // sound from the first frame, barely
        QCOMPARE(x[n - 1], -x[0]);                     // and symmetric to the last
    }

    void endingSoonFadesOutWithinOneRamp()
    {
        ToneGenerator tone(48000, 12000, 2000);
        std::vector<float> x(4800);
        QCOMPARE(tone.Generate(x), x.size());
        tone.EndSoon();
        QCOMPARE(tone.FramesLeft(), 480ull); // one 10 ms ramp
        x.resize(4800 + 480);
        QCOMPARE(tone.Generate(std::span(x).subspan(4800)), std::size_t{480});
        // The envelope falls from full level to nothing, as at a natural end.
        const double peak = 0.5 * std::sqrt(0.5);
        QVERIFY(std::abs(std::abs(x[4800]) - peak) < 1e-4);
        for (std::size_t n = 4801; n < x.size(); ++n)
            QVERIFY2(std::abs(x[n]) <= std::abs(x[n - 1]) + 1e-7f, qPrintable(QString::number(n)));
        QVERIFY(std::abs(x.back()) < 0.001);
        tone.EndSoon(); // nothing left to end
        QCOMPARE(tone.FramesLeft(), 0ull);
    }

    void integerSamplesForDevicesWithoutFloat()
    {
        const std::vector<float> frames{0.0f, 0.5f, -0.5f, 1.0f, -1.0f, 1.5f, -2.0f, 0.25f};
        std::vector<unsigned char> bytes;
        ConvertFrames(frames, SampleFormat::S16, 2, bytes);
        std::vector<std::int16_t> s16(bytes.size() / 2);
        std::memcpy(s16.data(), bytes.data(), bytes.size());
        QCOMPARE(s16, (std::vector<std::int16_t>{0, 0, 16384, 16384, -16384, -16384, 32767, 32767, -32767, -32767,
                                                 32767, 32767, -32767, -32767, 8192, 8192}));
        ConvertFrames(frames, SampleFormat::S32, 1, bytes);
        std::vector<std::int32_t> s32(bytes.size() / 4);
        std::memcpy(s32.data(), bytes.data(), bytes.size());
        QCOMPARE(s32, (std::vector<std::int32_t>{0, 1073741824, -1073741824, 2147483647, -2147483647, 2147483647,
                                                 -2147483647, 536870912}));
        ConvertFrames(frames, SampleFormat::Float, 1, bytes);
        QCOMPARE(bytes.size(), frames.size() * 4);
        QVERIFY(std::memcmp(bytes.data(), frames.data(), bytes.size()) == 0);
    }

    void unsoundableFrequenciesAreSilence()
    {
        for (const std::uint32_t f : {0u, 24000u, 24001u, 150000u, 4294967295u}) {
            QVERIFY(!CanSound(f, 48000));
            QCOMPARE(ToneGenerator(48000, f, 300).TotalFrames(), 0ull);
        }
        QVERIFY(CanSound(23999, 48000));
        QVERIFY(CanSound(22049, 44100));
        QVERIFY(!CanSound(22050, 44100));
    }
};

QTEST_APPLESS_MAIN(SynthTest)
#include "test_synth.moc"
