// A real tone through alsa-lib: the "default" PCM is pointed, by the user's
// own ALSA configuration, at ALSA's file plugin, so the program's real device
// code opens, configures, writes and drains it, and the file is what was played.

#include "tone/AlsaDevice.h"
#include "tone/Beep.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cmath>
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

        // The first tone: 1000 Hz by its rising zero crossings.
        int crossings = 0;
        double first = 0, last = 0;
        for (std::size_t n = 1; n < 14400; ++n) {
            if (x[n - 1] < 0 && x[n] >= 0) {
                const double t = (n - 1) + x[n - 1] / (x[n - 1] - x[n]);
                (crossings++ == 0 ? first : last) = t;
            }
        }
        QVERIFY(std::abs((crossings - 1) * 48000.0 / (last - first) - 1000.0) < 0.01);
        QVERIFY(std::abs(x[7200 + 12]) > 0.49f); // a peak on the plateau, at -6 dBFS
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

    void noDeviceFailsAtOnce()
    {
        InstallSoundDevice(std::make_unique<AlsaDevice>("no_such_device"));
        const auto start = std::chrono::steady_clock::now();
        QVERIFY(!Beep(1000, 2000));
        QVERIFY(std::chrono::steady_clock::now() - start < std::chrono::milliseconds(500));
    }

private:
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
