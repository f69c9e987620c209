#pragma once

// The advanced page: a conversion between two chosen zones, from the
// timestamp or from the date and time (chosen by two radio buttons), filling
// both sides. It keeps no state: the input kind lives in the radio buttons,
// the zones in the selectors, the precision and the history in its host.

#include "pages/AdvancedConversion.h"
#include "pages/ConversionPage.h"

namespace tickwright {

class DlgAdvance : public ConversionPage {
    UI_DECLARE_MESSAGE_MAP(DlgAdvance)
public:
    DlgAdvance(ui::Dialog* parent, PageHost& host);

    void OnBnClickedConvert();
    void OnBnClickedInputKind();
    void SetInputKind(InputKind kind);
    // The conversion the radio buttons choose.
    void RunConversion();
    void ConvertTimestampInput();
    void ConvertDateTimeInput();
    // Writes the present timestamp into the input timestamp field, whatever
    // the input kind, and converts it from there.
    void FillWithCurrentTime();

private:
    // Input zone UTC+00H, output zone the machine's, the timestamp as source,
    // filled with the present moment and converted (one history row).
    void PresetPage() override;
    // Both run the conversion the radio buttons choose, whichever control
    // has the focus.
    void ConvertOnStartup() override { RunConversion(); }
    void ConvertOnEnter() override { RunConversion(); }
    void ShowOutput(const OutputSide& output);
};

}  // namespace tickwright
