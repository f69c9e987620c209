#pragma once

// What both conversion pages do alike, once: the start-up (the edit font,
// zone selectors filled with the zone table, the page's own presets, then a
// one-shot 10 ms timer whose tick converts), Enter converting and Escape
// swallowed so it never closes or cancels a page, the refusal of a bad date
// or time, and the "00:00:00" written back into an empty time field. Each
// page keeps only what differs: its controls, its presets and conversions.

#include <string>
#include <string_view>
#include <vector>

#include "app/ui/Dialog.h"
#include "core/Zones.h"
#include "pages/PageHost.h"

namespace tickwright {

// The controls a page's start-up sets up alike.
struct PageFields {
    std::vector<int> edits;          // take the 12-point 宋体 edit font, in order
    std::vector<int> zoneSelectors;  // list the zone table, index order = ZoneIndex
};

class ConversionPage : public ui::Dialog {
public:
    static constexpr int kStartupTimer = 1;
    static constexpr int kStartupTimerMs = 10;

    bool OnInitDialog() final;
    // Enter runs ConvertOnEnter and is consumed; so is Escape, which does
    // nothing.
    bool PreTranslateKeyDown(int key) final;
    // The start-up timer's first tick stops it and runs ConvertOnStartup.
    void OnTimer(int id);

protected:
    ConversionPage(int templateId, ui::Dialog* parent, PageHost& host, PageFields fields);

    PageHost& Host() { return m_host; }

    // Selections and first contents, once the selectors are filled.
    virtual void PresetPage() = 0;
    virtual void ConvertOnStartup() = 0;
    virtual void ConvertOnEnter() = 0;

    // An empty time field shows the time the conversion assumed for it.
    void ShowEffectiveTime(int timeField, std::u16string_view typed, std::u16string_view effective);
    // The error box with `message`, then "-" in `outputField`.
    void Refuse(std::u16string_view message, int outputField);

private:
    PageHost& m_host;
    const PageFields m_fields;
    // The 12-point 宋体 of the edit fields, kept while they use it.
    ui::Font m_editFont;
};

}  // namespace tickwright
