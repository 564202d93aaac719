// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/Wait.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QSocketNotifier>
#include <QWindow>
#include <private/qhighdpiscaling_p.h>
#include <qpa/qwindowsysteminterface.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <deque>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace fw {
namespace {

bool IsHeldInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

// Made again from the press when a held press is delivered, so never held.
bool IsDerivedInput(QEvent::Type type)
{
    return type == QEvent::MouseButtonDblClick || type == QEvent::ContextMenu;
}

bool IsCloseRequest(const QEvent& event)
{
    if (event.type() == QEvent::Close)
        return true;
    if (event.type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    return key.key() == Qt::Key_Escape && !(key.modifiers() & ~Qt::KeypadModifier);
}

struct HeldInput {
    QPointer<QWindow> window;
    std::unique_ptr<QEvent> event;
};

// Holds input at the windows' door: the toolkit has already worked out which
// window each event is for, and nothing in the window has seen it yet. Held
// events are delivered again through the window system's own entry, so they
// take exactly the path that fresh input takes (focus on click, double clicks,
// shortcuts).
// That entry is Qt's platform interface (a private header, which ties the
// build to Qt's minor version): no public call does the same, since
// QCoreApplication::sendEvent to the window skips what QGuiApplication does
// with fresh input before any window sees it: double-click synthesis, the
// pointer's button state, shortcut matching and popup handling.
class InputHold final : public QObject {
public:
    static InputHold& Instance()
    {
        static auto* hold = [] {
            auto* created = new InputHold(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(created);
            return created;
        }();
        return *hold;
    }

    bool Run(const std::function<bool(std::stop_token)>& work);
    void Quit(int status);
    [[nodiscard]] int Status() const { return m_quitStatus; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;

    void DeliverHeld();
    static void Deliver(QWindow* window, QEvent& event);

    std::deque<HeldInput> m_held;
    std::stop_source* m_work = nullptr; // the running work's, while there is one
    int m_waits = 0;                    // waits under way (one inside another is possible)
    bool m_delivering = false;          // a held event is being delivered now
    bool m_closing = false;             // a close request came during work
    bool m_quitting = false;
    int m_quitStatus = 0;
};

bool InputHold::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWindowType() || !event->spontaneous())
        return false;
    const QEvent::Type type = event->type();
    const bool hold = m_waits > 0 || (!m_held.empty() && !m_delivering);
    if (!hold)
        return false;
    if (IsDerivedInput(type))
        return true;
    if (!IsHeldInput(type))
        return false;
    // Once the user has asked to close, nothing else they did will act.
    if (m_closing)
        return true;
    if (IsCloseRequest(*event)) {
        m_closing = true;
        m_held.clear();
        if (m_work)
            m_work->request_stop();
    }
    m_held.push_back({static_cast<QWindow*>(watched), std::unique_ptr<QEvent>(event->clone())});
    return true;
}

void InputHold::Deliver(QWindow* window, QEvent& event)
{
    // The window system's entry takes positions in device pixels.
    using Sync = QWindowSystemInterface::SynchronousDelivery;
    using QHighDpi::toNativeGlobalPosition;
    using QHighDpi::toNativeLocalPosition;
    switch (event.type()) {
    case QEvent::Close:
        QWindowSystemInterface::handleCloseEvent<Sync>(window);
        return;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        const auto& mouse = static_cast<QMouseEvent&>(event);
        QWindowSystemInterface::handleMouseEvent<Sync>(
            window, mouse.timestamp(), mouse.pointingDevice(), toNativeLocalPosition(mouse.position(), window),
            toNativeGlobalPosition(mouse.globalPosition(), window),
            mouse.buttons(), mouse.button(), mouse.type(), mouse.modifiers(), mouse.source());
        return;
    }
    default:
        break;
    }
    // Keys and wheels have no synchronous entry of their own.
    QWindowSystemInterface::setSynchronousWindowSystemEvents(true);
    if (event.type() == QEvent::Wheel) {
        const auto& wheel = static_cast<QWheelEvent&>(event);
        QWindowSystemInterface::handleWheelEvent(window, wheel.timestamp(), wheel.pointingDevice(),
                                                 toNativeLocalPosition(wheel.position(), window),
                                                 toNativeGlobalPosition(wheel.globalPosition(), window),
                                                 QHighDpi::toNativePixels(wheel.pixelDelta(), window),
                                                 wheel.angleDelta(), wheel.modifiers(), wheel.phase(),
                                                 wheel.source(), wheel.inverted());
    } else {
        const auto& key = static_cast<QKeyEvent&>(event);
        QWindowSystemInterface::handleExtendedKeyEvent(
            window, key.timestamp(), key.type(), key.key(), key.modifiers(), key.nativeScanCode(),
            key.nativeVirtualKey(), key.nativeModifiers(), key.text(), key.isAutoRepeat(),
            static_cast<ushort>(key.count()));
    }
    QWindowSystemInterface::setSynchronousWindowSystemEvents(false);
}

void InputHold::DeliverHeld()
{
    // One at a time: an event may start work of its own (a press of "play"),
    // during which the rest stay held, and new input queues up behind them.
    if (m_delivering)
        return;
    while (!m_held.empty() && m_waits == 0 && !m_quitting) {
        HeldInput next = std::move(m_held.front());
        m_held.pop_front();
        if (!next.window)
            continue;
        m_delivering = true;
        Deliver(next.window, *next.event);
        m_delivering = false;
    }
    // A close that came between two pieces of work has been delivered now.
    if (m_held.empty() && m_waits == 0)
        m_closing = false;
}

bool InputHold::Run(const std::function<bool(std::stop_token)>& work)
{
    if (m_quitting)
        return false;
    std::stop_source stop;
    std::atomic<bool> finished{false};
    bool result = false;
    std::stop_source* outerWork = std::exchange(m_work, &stop);
    ++m_waits;
    {
        std::thread worker([&] {
            result = work(stop.get_token());
            finished = true;
            // Wakes the loop below, even when the work ended before it began.
            QMetaObject::invokeMethod(this, [] {}, Qt::QueuedConnection);
        });
        // Not an event loop of its own: leaving every event loop (the session
        // ending, RequestQuit) must not end this wait before the work has.
        while (!finished)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        worker.join();
    }
    --m_waits;
    m_work = outerWork;
    if (m_waits == 0) {
        m_closing = false;
        if (!m_held.empty())
            QMetaObject::invokeMethod(this, &InputHold::DeliverHeld, Qt::QueuedConnection);
    }
    return result;
}

void InputHold::Quit(int status)
{
    m_quitting = true;
    m_quitStatus = status;
    m_held.clear();
    if (m_work)
        m_work->request_stop();
    QCoreApplication::exit(status);
}

int g_signalPipe[2] = {-1, -1};

void OnSignal(int signal)
{
    const unsigned char number = static_cast<unsigned char>(signal);
    const int saved = errno;
    (void)!write(g_signalPipe[1], &number, 1);
    errno = saved;
}

} // namespace

bool RunWhileInputWaits(const std::function<bool(std::stop_token)>& work)
{
    return InputHold::Instance().Run(work);
}

void RequestQuit(int status)
{
    InputHold::Instance().Quit(status);
}

int QuitStatus()
{
    return InputHold::Instance().Status();
}

void WatchSignals()
{
    if (g_signalPipe[0] >= 0 || pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        unsigned char number = 0;
        while (read(g_signalPipe[0], &number, 1) == 1)
            RequestQuit(128 + number);
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

} // namespace fw
