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

    bool OnInitDialog() override;
    bool PreTranslateKeyDown(int key) override;

    void OnBnClickedToTimestamp();
    void OnBnClickedToDateTime();
    // Writes the present timestamp into the timestamp field, nothing else.
    void ShowCurrentTimestamp();
    void OnTimer(int id);
};

}  // namespace tickwright
