#include "Harness.h"

#include "framework/DialogWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <complex>
#include <numbers>

namespace test {

namespace {

// Phase of frames around centre, projected on a sine of frequencyHz, with a
// Hann window so that the tone's neighbours barely count.
double PhaseAt(const std::vector<float>& frames, std::size_t centre, std::size_t half, double frequencyHz,
               double rate)
{
    std::complex<double> sum;
    for (std::size_t n = centre - half; n < centre + half; ++n) {
        const double window = 0.5 - 0.5 * std::cos(std::numbers::pi * (n - (centre - half)) / half);
        sum += window * frames[n] * std::polar(1.0, -2 * std::numbers::pi * frequencyHz * n / rate);
    }
    return std::arg(sum);
}

} // namespace

double RecordedTone::FrequencyHz() const
{
    // A first estimate from the rising zero crossings...
    double first = -1;
    double last = -1;
    int crossings = 0;
    for (std::size_t n = 1; n < frames.size(); ++n) {
        if (frames[n - 1] < 0 && frames[n] >= 0) {
            const double t = (n - 1) + frames[n - 1] / (frames[n - 1] - frames[n]);
            if (first < 0)
                first = t;
            last = t;
            ++crossings;
        }
    }
    if (crossings < 2)
        return 0.0;
    const double estimate = (crossings - 1) * double(rate) / (last - first);

    // ...refined by how far the phase drifts against it between the plateau's ends.
    const std::size_t half = std::min<std::size_t>(512, frames.size() / 8);
    const std::size_t from = frames.size() / 4, to = frames.size() - frames.size() / 4;
    if (half < 16)
        return estimate;
    const double drift = std::remainder(PhaseAt(frames, to, half, estimate, rate) -
                                            PhaseAt(frames, from, half, estimate, rate),
                                        2 * std::numbers::pi);
    return estimate + drift * rate / (2 * std::numbers::pi * double(to - from));
}

bool RecordingDevice::Write(std::span<const float> frames)
{
    if (!m_open) {
        m_tones.push_back({m_rate, {}});
        m_open = true;
    }
    m_tones.back().frames.insert(m_tones.back().frames.end(), frames.begin(), frames.end());
    return true;
}

ToneRecorder::ToneRecorder()
    : m_previous(vornaby::tone::InstallSoundDevice(std::make_unique<RecordingDevice>(tones)))
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
        QWidget* window = dialog.Widget();
        if (!window)
            return;
        if (!QTest::qWaitForWindowActive(window))
            qWarning("dialog window did not become active");
        script(*window);
        if (dialog.Widget() && dialog.Widget()->isVisible())
            dialog.EndDialog(IDCANCEL);
    });
    return dialog.DoModal();
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
        action(*modal);
    });
    poll->start();
}

} // namespace test
