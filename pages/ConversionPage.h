#pragma once

// What both conversion pages do alike, once: the edit font, a zone selector
// filled with the zone table, the one-shot start-up timer, the refusal of a
// bad date or time, the "00:00:00" written back into an empty time field, and
// Escape, which never closes or cancels a page. Each page keeps only what
// differs: its controls, its directions and what Enter does.

#include <initializer_list>
#include <string>
#include <string_view>

#include "app/ui/Dialog.h"
#include "core/Zones.h"
#include "pages/PageHost.h"

namespace tickwright {

class ConversionPage : public ui::Dialog {
public:
    static constexpr int kStartupTimer = 0;
    static constexpr int kStartupTimerMs = 10;

    // Escape is swallowed; a page handles Enter first, then calls this.
    bool PreTranslateKeyDown(int key) override;

protected:
    ConversionPage(int templateId, ui::Dialog* parent, PageHost& host);

    PageHost& Host() { return m_host; }

    // The edit fields' font: 12-point 宋体.
    void UseEditFont(std::initializer_list<int> edits);
    // The zone table in index order, so the item index is the ZoneIndex.
    void FillZoneSelector(int id);
    void StartStartupTimer();
    // True for the start-up timer's tick, which also stops it.
    bool EndStartupTimer(int id);
    // An empty time field shows the time the conversion assumed for it.
    void ShowEffectiveTime(int timeField, std::u16string_view typed, std::u16string_view effective);
    // The error box with `message`, then "-" in `outputField`.
    void Refuse(std::u16string_view message, int outputField);

private:
    PageHost& m_host;
};

}  // namespace tickwright
