#pragma once

// A font a dialog makes for some of its controls, as a classic framework's
// CFont: the dialog keeps it (a member) for as long as the controls use it,
// because a control only borrows the font it is given (on Windows WM_SETFONT
// does not copy it).
//
//   m_editFont.CreatePointFont(120, ui::kSimSunFace);   // 12-point 宋体
//   SetItemFont(res::IDC_SIMPLE_TIMESTAMP, m_editFont);

#include <memory>
#include <string_view>

#include "app/ui/DialogTemplate.h"

namespace ui {

class Font {
public:
    Font();
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // `tenthsOfPoint`: 120 is 12 points. Making it again replaces the font.
    void CreatePointFont(int tenthsOfPoint, std::u16string_view face);
    bool IsCreated() const { return m_created; }
    const FontDescription& Description() const { return m_description; }

    // The backend's own font object, made when the backend first asks and
    // released with this Font. Layer internals.
    struct Native;
    Native& NativeFont() const;

private:
    FontDescription m_description;
    bool m_created = false;
    mutable std::unique_ptr<Native> m_native;
};

}  // namespace ui
