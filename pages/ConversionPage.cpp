#include "pages/ConversionPage.h"

#include "pages/DateTimeInput.h"

namespace tickwright {

ConversionPage::ConversionPage(int templateId, ui::Dialog* parent, PageHost& host,
                               PageFields fields)
    : Dialog(templateId, parent), m_host(host), m_fields(std::move(fields)) {}

bool ConversionPage::OnInitDialog() {
    m_editFont.CreatePointFont(120, ui::kSimSunFace);
    for (const int field : m_fields.edits) {
        SetItemFont(field, m_editFont);
    }
    for (const int selector : m_fields.zoneSelectors) {
        for (ZoneIndex zone = 0; zone < kZoneCount; ++zone) {
            ComboAddString(selector, ZoneName(zone));
        }
    }
    PresetPage();
    SetTimer(kStartupTimer, kStartupTimerMs);
    return true;
}

bool ConversionPage::PreTranslateKeyDown(int key) {
    if (key == ui::VK_RETURN) {
        ConvertOnEnter();
        return true;
    }
    return key == ui::VK_ESCAPE;
}

void ConversionPage::OnTimer(int id) {
    if (id == kStartupTimer) {
        KillTimer(kStartupTimer);
        ConvertOnStartup();
    }
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
