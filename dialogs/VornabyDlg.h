#pragma once
// The main window: the tone form with its values, modes and slider.

#include "framework/Dialog.h"

#include <QIcon>

#include <cstdint>

class CVornabyDlg : public CDialog {
public:
    CVornabyDlg();
    ~CVornabyDlg() override;

    static const EventTable s_eventTable;

protected:
    void ExchangeFields(FormExchange& exchange) override;
    bool OnOpenForm() override;
    [[nodiscard]] const EventTable& GetEventTable() const override { return s_eventTable; }

    void OnPlay();
    void OnAdvancedClicked();
    void OnSliderScroll(int scrollCode, int position, CWnd* slider);
    void OnPresetSelChange();
    void OnSystemCommand(unsigned command, int position);
    void OnAbout();

    // Declaration order matters: members are built in this order and the
    // wrappers released in the reverse.
    QIcon m_appIcon;
    std::int32_t m_frequencyHz = 1000;     // advanced mode
    std::int32_t m_durationMs = 300;       // advanced mode
    CEdit m_durationEdit;
    std::int32_t m_advancedMode = 0;       // 1 when "Advanced  Mode" is checked
    CEdit m_frequencyEdit;
    CComboBox m_presetCombo;
    std::int32_t m_presetFrequencyHz = 1000; // simple mode
    std::int32_t m_sliderPos = 1000;         // read as hertz
    CSliderCtrl m_frequencySlider;
};
