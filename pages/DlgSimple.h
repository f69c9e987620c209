#pragma once

// The simple page: the Unix timestamp on the left, the date and time of one
// zone on the right, a button for each direction. It keeps no state: every
// value lives in its controls, the precision and the history in its host.

#include "pages/ConversionPage.h"

namespace tickwright {

class DlgSimple : public ConversionPage {
    UI_DECLARE_MESSAGE_MAP(DlgSimple)
public:
    DlgSimple(ui::Dialog* parent, PageHost& host);

    void OnBnClickedToTimestamp();
    void OnBnClickedToDateTime();
    // Writes the present timestamp into the timestamp field, nothing else.
    void ShowCurrentTimestamp();

private:
    // The machine's zone, and the present timestamp (converted only by the
    // start-up timer's tick).
    void PresetPage() override;
    void ConvertOnStartup() override { OnBnClickedToDateTime(); }
    // Away from the field being edited; nothing from a selector or a button.
    void ConvertOnEnter() override;
};

}  // namespace tickwright
