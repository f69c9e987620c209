#pragma once

// Dialog templates as data: what a dialog looks like, independent of the code
// that drives it. A dialog class names its template id and the layer builds
// the window from it.

#include <string>
#include <string_view>
#include <vector>

#include "app/ui/Style.h"

namespace ui {

enum class ControlClass {
    Button,    // push button, radio button or group box, by style
    Edit,      // single-line edit
    Static,    // text or icon, by style
    ComboBox,  // drop-down list
    ListView,  // report view
    Link,      // hyperlink that opens an address
};

// A rectangle: in dialog units inside templates, in pixels elsewhere.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

struct ControlTemplate {
    int id = -1;
    ControlClass cls = ControlClass::Static;
    std::u16string text;
    StyleFlags style = 0;
    Rect rect;
    int iconId = 0;  // for SS_ICON statics
    // What assistive technology calls the control where its own text does
    // not say it: an edit or a selector by its label, a button whose text is
    // an arrow. Empty: the control's text.
    std::u16string accessibleName = {};
};

// The face every page's template and edit fields name: SimSun, by its
// Chinese name, as the templates were written.
inline constexpr std::u16string_view kSimSunFace = u"宋体";

struct FontDescription {
    std::u16string face;
    int pointSize = 9;
};

// Initialisation data applied after the controls exist and before
// OnInitDialog: combo items in order, and a link's address.
struct InitData {
    int controlId = -1;
    std::vector<std::u16string> comboItems;
    std::u16string linkUrl;
};

struct DialogTemplate {
    int id = 0;
    std::u16string caption;
    StyleFlags style = 0;
    int width = 0;   // dialog units
    int height = 0;  // dialog units
    FontDescription font;
    std::vector<ControlTemplate> controls;  // in tab order
    std::vector<InitData> initData;
};

// The process-wide resource table. Registering an id twice replaces it.
void RegisterTemplate(DialogTemplate dialogTemplate);
const DialogTemplate* FindTemplate(int id);

}  // namespace ui
