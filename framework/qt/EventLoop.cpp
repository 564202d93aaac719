// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The Qt backend's side of the input hold: it sorts the window system's
// events at the windows' door, keeps the ones the core takes and delivers
// them again through the window system's own entry.
#include "framework/EventLoop.h"
#include "framework/Wait.h"
#include "framework/qt/Controls.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <private/qguiapplication_p.h>
#include <private/qhighdpiscaling_p.h>
#include <qpa/qwindowsysteminterface.h>

#include <cerrno>
#include <csignal>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace fw {
namespace {

InputKind KindOf(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::Close:
        return InputKind::Close;
    case QEvent::KeyPress: {
        return AsksToClose(StrokeOf(static_cast<const QKeyEvent&>(event))) ? InputKind::Close : InputKind::Input;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyRelease:
        return InputKind::Input;
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
        return InputKind::Derived;
    default:
        return InputKind::Other;
    }
}

// The event loop level of the delivery now under way: a modal run that the
// delivered event opens runs a level deeper, and its fresh input is the
// user's, not part of the delivery.
int g_deliveryLevel = -1;

// An event taken at the windows' door: the toolkit has already worked out
// which window it is for, and nothing in the window has seen it yet. It is
// delivered again through the window system's own entry, so that it takes
// exactly the path fresh input takes (focus on click, double clicks,
// shortcuts). That entry is Qt's platform interface (a private header, which
// ties the build to Qt's minor version): QCoreApplication::sendEvent to the
// window would skip what QGuiApplication does with fresh input before any
// window sees it.
class QtHeldInput final : public HeldInput {
public:
    QtHeldInput(QWindow* window, const QEvent& event) : m_window(window), m_event(event.clone()) {}
    void Deliver() override;

    // A press that made a double click when it was made.
    std::shared_ptr<bool> doubleClick = std::make_shared<bool>(false);

private:
    QPointer<QWindow> m_window;
    std::unique_ptr<QEvent> m_event;
};

// The last press held, until the double click it may make has come by.
std::weak_ptr<bool> g_heldPressDoubleClick;

void QtHeldInput::Deliver()
{
    // Keys go to the window that has the focus now, as fresh keys would: a
    // click delivered before them may have moved it.
    QWindow* window = m_window;
    if (m_event->type() == QEvent::KeyPress || m_event->type() == QEvent::KeyRelease) {
        if (QWindow* focus = QGuiApplication::focusWindow())
            window = focus;
    }
    if (!window)
        return;
    const int outerLevel = std::exchange(g_deliveryLevel, QThread::currentThread()->loopLevel());
    // The toolkit saw a held press once already, when it was taken, and
    // would take it for the second press of a double click when it comes
    // again: only one that made a double click then makes one now.
    if (m_event->type() == QEvent::MouseButtonPress && !*doubleClick)
        QGuiApplicationPrivate::mousePressButton = Qt::NoButton;
    // The window system's entry takes positions in device pixels.
    using Sync = QWindowSystemInterface::SynchronousDelivery;
    using QHighDpi::toNativeGlobalPosition;
    using QHighDpi::toNativeLocalPosition;
    QEvent& event = *m_event;
    switch (event.type()) {
    case QEvent::Close:
        QWindowSystemInterface::handleCloseEvent<Sync>(window);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        const auto& mouse = static_cast<QMouseEvent&>(event);
        QWindowSystemInterface::handleMouseEvent<Sync>(
            window, mouse.timestamp(), mouse.pointingDevice(), toNativeLocalPosition(mouse.position(), window),
            toNativeGlobalPosition(mouse.globalPosition(), window),
            mouse.buttons(), mouse.button(), mouse.type(), mouse.modifiers(), mouse.source());
        break;
    }
    case QEvent::Wheel: {
        // Keys and wheels have no synchronous entry of their own.
        QWindowSystemInterface::setSynchronousWindowSystemEvents(true);
        const auto& wheel = static_cast<QWheelEvent&>(event);
        QWindowSystemInterface::handleWheelEvent(window, wheel.timestamp(), wheel.pointingDevice(),
                                                 toNativeLocalPosition(wheel.position(), window),
                                                 toNativeGlobalPosition(wheel.globalPosition(), window),
                                                 QHighDpi::toNativePixels(wheel.pixelDelta(), window),
                                                 wheel.angleDelta(), wheel.modifiers(), wheel.phase(),
                                                 wheel.source(), wheel.inverted());
        QWindowSystemInterface::setSynchronousWindowSystemEvents(false);
        break;
    }
    default: {
        QWindowSystemInterface::setSynchronousWindowSystemEvents(true);
        const auto& key = static_cast<QKeyEvent&>(event);
        QWindowSystemInterface::handleExtendedKeyEvent(
            window, key.timestamp(), key.type(), key.key(), key.modifiers(), key.nativeScanCode(),
            key.nativeVirtualKey(), key.nativeModifiers(), key.text(), key.isAutoRepeat(),
            static_cast<ushort>(key.count()));
        QWindowSystemInterface::setSynchronousWindowSystemEvents(false);
        break;
    }
    }
    g_deliveryLevel = outerLevel;
}

// Sorts every event the window system hands a window.
class Door final : public QObject {
public:
    static Door& Instance()
    {
        static auto* door = [] {
            auto* created = new Door(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(created);
            return created;
        }();
        return *door;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWindowType() || !event->spontaneous())
            return false;
        const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
        // What the delivery of a held event makes is part of it.
        if (DeliveringHeldInput() && QThread::currentThread()->loopLevel() == g_deliveryLevel)
            return false;
        const bool taken = TakeInput(KindOf(*event), [&] {
            auto held = std::make_unique<QtHeldInput>(static_cast<QWindow*>(watched), *event);
            if (event->type() == QEvent::MouseButtonPress)
                g_heldPressDoubleClick = held->doubleClick;
            return held;
        });
        if (taken && doubleClick) {
            if (const auto made = g_heldPressDoubleClick.lock())
                *made = true;
        }
        return taken;
    }

private:
    using QObject::QObject;
};

int g_signalPipe[2] = {-1, -1};

void OnSignal(int signal)
{
    const unsigned char number = static_cast<unsigned char>(signal);
    const int saved = errno;
    (void)!write(g_signalPipe[1], &number, 1);
    errno = saved;
}

} // namespace

namespace backend {

void RunLoopUntil(const std::function<bool()>& done)
{
    Door::Instance();
    QTimer recheck;
    recheck.start(50);
    // Not an event loop of its own: leaving every event loop (the session
    // ending, RequestQuit) must not end this wait before the work has.
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void WakeLoop()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
}

void PostHeldDelivery()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] { DeliverHeldInput(); }, Qt::QueuedConnection);
}

void QuitLoops(int status)
{
    QCoreApplication::exit(status);
}

} // namespace backend

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
