// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/Wnd.h"

#include "framework/Controls.h"

#include <QSlider>
#include <QWidget>

namespace fw {

void CWnd::Attach(QWidget* widget)
{
    m_widget = widget;
}

void CWnd::SetWindowText(std::string_view text)
{
    SetTextOf(m_widget, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void CWnd::EnableWindow(bool enable)
{
    if (m_widget)
        m_widget->setEnabled(enable);
}

void CWnd::SetIcon(const QIcon& icon)
{
    if (m_widget)
        m_widget->setWindowIcon(icon);
}

namespace {

QSlider* AsSlider(QWidget* widget)
{
    return qobject_cast<QSlider*>(widget);
}

} // namespace

void CSliderCtrl::SetRange(int minimum, int maximum, bool redraw)
{
    if (QSlider* slider = AsSlider(Widget())) {
        // Range changes that move the thumb are the program's, not the user's:
        // QSlider reports them through valueChanged, which nothing here hears.
        SetSliderRange(slider, minimum, maximum);
        if (redraw)
            slider->update();
    }
}

void CSliderCtrl::SetPos(int position)
{
    if (QSlider* slider = AsSlider(Widget()))
        slider->setValue(position); // clamped to the range by QSlider
}

int CSliderCtrl::GetPos() const
{
    // While the user drags, sliderPosition() is where the thumb is now; value()
    // follows it only once the scroll has been handled.
    const QSlider* slider = AsSlider(Widget());
    return slider ? slider->sliderPosition() : 0;
}

} // namespace fw
