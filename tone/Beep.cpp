#include "tone/Beep.h"

#include "tone/SoundDevice.h"
#include "tone/Synth.h"

#include <array>
#include <mutex>
#include <thread>

namespace vornaby::tone {
namespace {

std::mutex g_toneMutex;

// Frames handed to the device per write: about 85 ms at 48 kHz, more than the
// device's buffer holds. The first write fills the whole buffer before the
// stream starts, so a stream never starts on a sliver and runs dry when this
// thread is late; the device starts playing as soon as the first frames are
// in, so this costs no latency.
constexpr std::size_t kBlockFrames = 4096;

} // namespace

bool Beep(std::uint32_t frequencyHz, std::uint32_t durationMs)
{
    const std::lock_guard lock(g_toneMutex);
    if (durationMs == 0)
        return true;
    SoundDevice& device = CurrentSoundDevice();
    const std::uint32_t rate = device.Begin();
    if (rate == 0 || !CanSound(frequencyHz, rate))
        return false;

    ToneGenerator tone(rate, frequencyHz, durationMs);
    std::array<float, kBlockFrames> block{};
    while (tone.FramesLeft() > 0) {
        const std::size_t n = tone.Generate(block);
        if (!device.Write(std::span(block).first(n)))
            return false;
    }
    return device.Drain();
}

void PrepareBeep()
{
    // Joined at exit, before the device it readies is destroyed.
    static std::jthread preparer([] {
        const std::lock_guard lock(g_toneMutex);
        (void)CurrentSoundDevice().Begin();
    });
}

} // namespace vornaby::tone
