#include "pages/ConversionPage.h"

#include "pages/DateTimeInput.h"

namespace tickwright {

ConversionPage::ConversionPage(int templateId, ui::Dialog* parent, PageHost& host)
    : Dialog(templateId, parent), m_host(host) {}

bool ConversionPage::PreTranslateKeyDown(int key) {
    return key == ui::VK_ESCAPE;
}

void ConversionPage::UseEditFont(std::initializer_list<int> edits) {
    const ui::FontSpec font{std::u16string(ui::kSimSunFace), 12};
    for (const int edit : edits) {
        SetItemFont(edit, font);
    }
}

void ConversionPage::FillZoneSelector(int id) {
    for (ZoneIndex zone = 0; zone < kZoneCount; ++zone) {
        ComboAddString(id, ZoneName(zone));
    }
}

void ConversionPage::StartStartupTimer() {
    SetTimer(kStartupTimer, kStartupTimerMs);
}

bool ConversionPage::EndStartupTimer(int id) {
    if (id != kStartupTimer) {
        return false;
    }
    KillTimer(kStartupTimer);
    return true;
}

void ConversionPage::ShowEffectiveTime(int timeField, std::u16string_view typed,
                                       std::u16string_view effective) {
    if (typed.empty()) {
        SetItemText(timeField, effective);
    }
}

void ConversionPage::Refuse(std::u16string_view message, int outputField) {
    MessageBox(message, kErrorCaption, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    SetItemText(outputField, kRefusedOutputText);
}

}  // namespace tickwright
