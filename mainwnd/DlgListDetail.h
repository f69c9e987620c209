#pragma once

// One history entry in full: zones and texts read-only, so they can be
// selected and copied, and the note editable. OK hands the note back.

#include <string>

#include "app/ui/Dialog.h"

namespace tickwright {

class DlgListDetail : public ui::Dialog {
    UI_DECLARE_MESSAGE_MAP(DlgListDetail)
public:
    DlgListDetail();

    bool OnInitDialog() override;
    void OnBnClickedOk();
    std::u16string GetNote() const { return m_note; }

    // Set by the caller before DoModal.
    std::u16string m_note;
    std::u16string m_inputZone;
    std::u16string m_outputZone;
    std::u16string m_input;
    std::u16string m_output;
};

}  // namespace tickwright
