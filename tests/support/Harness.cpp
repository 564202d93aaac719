// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "Harness.h"

#include "framework/qt/DialogWindow.h"
#include "framework/WinApp.h"
#include "resources/ProgramResources.h"
#include "tone/Synth.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include <chrono>
#include <thread>

namespace test {

void SetUpApplication()
{
    InstallResources(ProgramResources());
    NameApplication("vornaby");
}

bool RecordedTone::Is(std::uint32_t frequencyHz, std::uint32_t durationMs) const
{
    vornaby::tone::ToneGenerator tone(rate, frequencyHz, durationMs);
    std::vector<float> expected(tone.TotalFrames());
    (void)tone.Generate(expected);
    return frames == expected && drained;
}

bool RecordingDevice::Write(std::span<const float> frames)
{
    if (!m_open) {
        m_tones.push_back({kRate, {}});
        m_open = true;
    }
    m_tones.back().frames.insert(m_tones.back().frames.end(), frames.begin(), frames.end());
    if (m_pace == Pace::RealTime)
        std::this_thread::sleep_for(std::chrono::microseconds(frames.size() * 1000000 / kRate));
    return true;
}

bool RecordingDevice::Drain()
{
    if (m_open)
        m_tones.back().drained = true;
    return true;
}

ToneRecorder::ToneRecorder(Pace pace)
    : m_previous(vornaby::tone::InstallSoundDevice(std::make_unique<RecordingDevice>(tones, pace)))
{
}

ToneRecorder::~ToneRecorder()
{
    vornaby::tone::InstallSoundDevice(std::move(m_previous));
}

PromptRecorder::PromptRecorder()
{
    SetPromptWatcher([this](QMessageBox& box) {
        seen.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons(),
                        box.isModal()});
        box.button(QMessageBox::Ok)->click();
    });
}

PromptRecorder::~PromptRecorder()
{
    SetPromptWatcher({});
}

QStringList PromptRecorder::Texts() const
{
    QStringList texts;
    for (const SeenPrompt& prompt : seen)
        texts << prompt.text;
    return texts;
}

int RunModal(CDialog& dialog, const std::function<void(QWidget& window)>& script)
{
    QTimer::singleShot(0, [&dialog, &script] {
        QWidget* window = WindowOf(dialog);
        if (!window)
            return;
        if (!QTest::qWaitForWindowActive(window))
            qWarning("dialog window did not become active");
        script(*window);
        if (WindowOf(dialog) && WindowOf(dialog)->isVisible())
            dialog.EndDialog(IDCANCEL);
    });
    return dialog.DoModal();
}

QWidget* WindowOf(const CDialog& dialog)
{
    return dialog.BackendWindow();
}

QWidget* Control(QWidget& window, int controlId)
{
    return static_cast<DialogWindow&>(window).Control(controlId);
}

void TypeInto(QWidget* control, const QString& text)
{
    QLineEdit* edit = qobject_cast<QLineEdit*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(control))
        edit = combo->lineEdit();
    control->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : &window, key, modifiers);
}

} // namespace test

namespace test {

void WhenNextModalOpens(QWidget& below, std::function<void(QWidget& modal)> action)
{
    auto* poll = new QTimer;
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, [poll, &below, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == &below)
            return;
        poll->stop();
        poll->deleteLater();
        QPointer<QWidget> opened = modal;
        action(*modal);
        if (opened && opened->isVisible()) {
            QWARN("a modal window was left open; closing it");
            if (auto* dialog = qobject_cast<QDialog*>(opened.data()))
                dialog->reject();
            else
                opened->close();
        }
    });
    poll->start();
}

} // namespace test

namespace test {

void ClickThroughWindow(QWidget* control)
{
    QWindow* window = control->window()->windowHandle();
    const QPoint at = control->mapTo(control->window(), control->rect().center());
    QTest::mouseClick(window, Qt::LeftButton, {}, at);
}

bool NoWindowLeftOpen()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::none_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
}

} // namespace test
