// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// A real tone through alsa-lib: the "default" PCM is pointed, by the user's
// own ALSA configuration, at ALSA's file plugin, so the program's real device
// code opens, configures, writes and drains it, and the file is what was played.
// Also the integer samples of devices that take no float.

#include "tone/linux/AlsaDevice.h"
#include "tone/Tone.h"
#include "tone/Synth.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <algorithm>
#include <cstring>
#include <vector>

using namespace vornaby::tone;

class AlsaFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        m_raw = m_home.filePath("played.raw");
        QFile rc(m_home.filePath(".asoundrc"));
        QVERIFY(rc.open(QIODevice::WriteOnly));
        rc.write(QStringLiteral("pcm.!default { type file slave.pcm \"null\" file \"%1\" format \"raw\" }\n")
                     .arg(m_raw)
                     .toUtf8());
        // A device that runs at 44.1 kHz only: a plug that may convert formats
        // and channels but, with resampling refused, not the rate.
        m_raw44 = m_home.filePath("played44.raw");
        rc.write(QStringLiteral("pcm.only44k { type plug slave { pcm { type file slave.pcm \"null\" "
                                "file \"%1\" format \"raw\" } rate 44100 } }\n")
                     .arg(m_raw44)
                     .toUtf8());
        rc.close();
        // alsa-lib reads ~/.asoundrc once, at the first open.
        qputenv("HOME", m_home.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        // ALSA's device, even where a PipeWire server would be chosen.
        InstallSoundDevice(std::make_unique<AlsaDevice>("default"));
    }

    void toneReachesTheDeviceWithItsFrequencyAndLength()
    {
        QVERIFY(Beep(1000, 300));
        QVERIFY(Beep(440, 50));
        QVERIFY(!Beep(30000, 300)); // above half the rate: silence, at once
        QVERIFY(Beep(440, 0));
        // Replacing the device closes the PCM, which flushes the file.
        InstallSoundDevice(std::make_unique<AlsaDevice>("default"));

        const std::vector<float> x = ReadFloats(m_raw);
        QCOMPARE(x.size(), std::size_t{14400 + 2400});

        // Float frames pass through untouched: exactly what the synthesiser made.
        QVERIFY(std::equal(x.begin(), x.begin() + 14400, Render(48000, 1000, 300).begin()));
        QVERIFY(std::equal(x.begin() + 14400, x.end(), Render(48000, 440, 50).begin()));
    }

    void deviceThatRefuses48kHzGetsItsOwnRate()
    {
        InstallSoundDevice(std::make_unique<AlsaDevice>("only44k"));
        QVERIFY(Beep(1000, 300));
        QVERIFY(!Beep(22050, 100)); // half of 44.1 kHz: silence, not an alias
        InstallSoundDevice(std::make_unique<AlsaDevice>("default"));
        const std::vector<float> x = ReadFloats(m_raw44);
        QCOMPARE(x.size(), std::size_t{13230}); // 300 ms at 44.1 kHz
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

    void noDeviceFailsAtOnce()
    {
        InstallSoundDevice(std::make_unique<AlsaDevice>("no_such_device"));
        const auto start = std::chrono::steady_clock::now();
        QVERIFY(!Beep(1000, 2000));
        QVERIFY(std::chrono::steady_clock::now() - start < std::chrono::milliseconds(500));
    }

private:
    static std::vector<float> Render(std::uint32_t rate, std::uint32_t frequencyHz, std::uint32_t durationMs)
    {
        ToneGenerator tone(rate, frequencyHz, durationMs);
        std::vector<float> frames(tone.TotalFrames());
        (void)tone.Generate(frames);
        return frames;
    }

    static std::vector<float> ReadFloats(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        std::vector<float> x(bytes.size() / sizeof(float));
        std::memcpy(x.data(), bytes.data(), x.size() * sizeof(float));
        return x;
    }

    QTemporaryDir m_home;
    QString m_raw;
    QString m_raw44;
};

QTEST_APPLESS_MAIN(AlsaFileTest)
#include "test_alsa_file.moc"
