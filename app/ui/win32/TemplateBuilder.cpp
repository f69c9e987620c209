#include "app/ui/win32/TemplateBuilder.h"

#include "app/ui/win32/Windows.h"

namespace ui::win32 {

namespace {

// The dialog manager's atoms for the predefined control classes.
constexpr std::uint16_t kButtonAtom = 0x0080;
constexpr std::uint16_t kEditAtom = 0x0081;
constexpr std::uint16_t kStaticAtom = 0x0082;
constexpr std::uint16_t kComboBoxAtom = 0x0085;

class Words {
public:
    void Word(std::uint16_t word) { m_words.push_back(word); }
    void Dword(std::uint32_t value) {
        Word(static_cast<std::uint16_t>(value & 0xFFFF));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
    void Short(int value) { Word(static_cast<std::uint16_t>(static_cast<std::int16_t>(value))); }
    void Text(const std::u16string& text) {
        for (const char16_t c : text) {
            Word(c);
        }
        Word(0);
    }
    void Ordinal(std::uint16_t ordinal) {
        Word(0xFFFF);
        Word(ordinal);
    }
    void AlignToDword() {
        if (m_words.size() % 2 != 0) {
            Word(0);
        }
    }
    std::vector<std::uint16_t> Take() { return std::move(m_words); }

private:
    std::vector<std::uint16_t> m_words;
};

bool IsRadio(const ControlTemplate& control) {
    return control.cls == ControlClass::Button &&
           (control.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

// The dialog manager's group runs from one WS_GROUP control to the next, and
// its arrow keys move through every control of the group. A run of radio
// buttons is made a group of its own, so the arrows move between the buttons
// and never out to the label before them or the fields after them.
std::uint32_t ControlStyle(const std::vector<ControlTemplate>& controls, std::size_t index) {
    const ControlTemplate& control = controls[index];
    std::uint32_t style = control.style | WS_CHILD;
    const bool afterRadio = index > 0 && IsRadio(controls[index - 1]);
    if (IsRadio(control) != afterRadio) {
        style |= WS_GROUP;
    }
    switch (control.cls) {
        case ControlClass::ListView:
            // Rows come from the model when drawn, so 100,000 cost what 10 do.
            style |= LVS_OWNERDATA | LVS_SHOWSELALWAYS;
            break;
        case ControlClass::ComboBox:
            style |= CBS_HASSTRINGS;
            break;
        case ControlClass::Edit:
        case ControlClass::Static:
        case ControlClass::Button:
        case ControlClass::Link:
            break;
    }
    return style;
}

void ControlClassAndTitle(const ControlTemplate& control, Words& words) {
    switch (control.cls) {
        case ControlClass::Button:
            words.Ordinal(kButtonAtom);
            words.Text(control.text);
            return;
        case ControlClass::Edit:
            words.Ordinal(kEditAtom);
            words.Text(control.text);
            return;
        case ControlClass::Static:
            words.Ordinal(kStaticAtom);
            if ((control.style & 0x1Fu) == SS_ICON) {
                words.Ordinal(static_cast<std::uint16_t>(control.iconId));  // the icon resource
            } else {
                words.Text(control.text);
            }
            return;
        case ControlClass::ComboBox:
            words.Ordinal(kComboBoxAtom);
            words.Text(control.text);
            return;
        case ControlClass::ListView:
            words.Text(u"SysListView32");
            words.Text(control.text);
            return;
        case ControlClass::Link:
            words.Text(u"SysLink");
            words.Text(LinkMarkup(control.text));
            return;
    }
}

}  // namespace

std::u16string LinkMarkup(const std::u16string& caption) {
    return u"<a>" + caption + u"</a>";
}

std::vector<std::uint16_t> BuildDialogTemplate(const DialogTemplate& dialogTemplate, bool child) {
    Words words;
    std::uint32_t style = (dialogTemplate.style & ~WS_VISIBLE) | DS_SETFONT;
    std::uint32_t exStyle = 0;
    if (child) {
        // A page: a child the dialog manager tabs into, as into its own
        // controls.
        style = (style & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU)) | WS_CHILD | DS_CONTROL;
        exStyle |= WS_EX_CONTROLPARENT;
    } else if ((style & WS_CHILD) != 0) {
        // A page's template made a window of its own (as a test shows one):
        // a child needs a parent, so it stands alone as a pop-up.
        style = (style & ~WS_CHILD) | WS_POPUP;
    }
    words.Word(1);       // dlgVer
    words.Word(0xFFFF);  // signature: an extended template
    words.Dword(0);      // helpID
    words.Dword(exStyle);
    words.Dword(style);
    words.Word(static_cast<std::uint16_t>(dialogTemplate.controls.size()));
    words.Short(0);
    words.Short(0);
    words.Short(dialogTemplate.width);
    words.Short(dialogTemplate.height);
    words.Word(0);  // no menu
    words.Word(0);  // the dialog class
    words.Text(dialogTemplate.caption);
    words.Word(static_cast<std::uint16_t>(dialogTemplate.font.pointSize));
    words.Word(FW_NORMAL);
    // Italic (low byte): no. Character set (high byte): DEFAULT_CHARSET, so
    // the face is chosen for the text it shows; 0 would ask for ANSI_CHARSET.
    words.Word(static_cast<std::uint16_t>(DEFAULT_CHARSET << 8));
    words.Text(dialogTemplate.font.face);
    for (std::size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
        const ControlTemplate& control = dialogTemplate.controls[i];
        words.AlignToDword();
        words.Dword(0);  // helpID
        words.Dword(0);  // exStyle
        words.Dword(ControlStyle(dialogTemplate.controls, i));
        words.Short(control.rect.x);
        words.Short(control.rect.y);
        words.Short(control.rect.width);
        words.Short(control.rect.height);
        words.Dword(static_cast<std::uint32_t>(control.id));
        ControlClassAndTitle(control, words);
        words.Word(0);  // no creation data
    }
    return words.Take();
}

}  // namespace ui::win32
