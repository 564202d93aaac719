#include "framework/ToneService.h"

#include "tone/Beep.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <atomic>
#include <thread>

bool Beep(std::uint32_t frequencyHz, std::uint32_t durationMs)
{
    if (!QCoreApplication::instance())
        return vornaby::tone::Beep(frequencyHz, durationMs);

    QEventLoop wait;
    std::atomic<bool> result{false};
    std::thread worker([&] {
        result = vornaby::tone::Beep(frequencyHz, durationMs);
        // Queued: runs inside wait.exec(), even if the tone ended before it began.
        QMetaObject::invokeMethod(&wait, &QEventLoop::quit, Qt::QueuedConnection);
    });
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    return result;
}
