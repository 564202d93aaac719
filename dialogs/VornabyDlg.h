// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The main window: the tone form with its values, modes and slider.

#include "framework/Dialog.h"
#include "framework/Resources.h"

#include <cstdint>

class CVornabyDlg : public fw::CDialog {
public:
    CVornabyDlg();
    ~CVornabyDlg() override;

    static const fw::EventTable s_eventTable;

protected:
    void ExchangeFields(fw::FormExchange& exchange) override;
    bool OnOpenForm() override;
    [[nodiscard]] const fw::EventTable& GetEventTable() const override { return s_eventTable; }

    void OnPlay();
    void OnAdvancedClicked();
    void OnSliderScroll(int scrollCode, int position);
    void OnPresetSelChange();
    void OnSystemCommand(unsigned command);
    void OnAbout();
    void OnPaintWindow();
    fw::CIcon OnDragIconQuery();
    void OnSliderCustomDraw(const fw::NotifyHeader& header, long long& result);

    // Declaration order matters: members are built in this order and the
    // wrappers released in the reverse.
    fw::CIcon m_appIcon;
    std::int32_t m_frequencyHz = 1000;     // advanced mode
    std::int32_t m_durationMs = 300;       // advanced mode
    fw::CEdit m_durationEdit;
    std::int32_t m_advancedMode = 0;       // 1 when "Advanced  Mode" is checked
    fw::CEdit m_frequencyEdit;
    fw::CComboBox m_presetCombo;
    std::int32_t m_presetFrequencyHz = 1000; // simple mode
    std::int32_t m_sliderPos = 1000;         // read as hertz
    fw::CSliderCtrl m_frequencySlider;

private:
    static const fw::EventRow s_eventRows[];
};
