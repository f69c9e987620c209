// What ui::Dialog does alike on every backend, through the backend's own
// members.
#include "app/ui/Dialog.h"

#include <algorithm>

#include "app/ui/Backend.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/ReportCopy.h"
#include "app/ui/ResourceTables.h"

namespace ui {

namespace {

// What the user reads when the clipboard refused the text, before the reason.
constexpr std::u16string_view kCopyFailed = u"无法复制到剪贴板:\n";

char16_t Folded(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// A sorted list's order. Not the system's collation: a Windows list sorts by
// the user's locale, under which "秒(s)" can come before "毫秒(ms)" and the
// precision selector would show one unit and convert in the other.
bool SortsBefore(std::u16string_view a, std::u16string_view b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char16_t x, char16_t y) { return Folded(x) < Folded(y); });
}

bool IsSortedCombo(int templateId, int id) {
    const DialogTemplate* dialogTemplate = FindTemplate(templateId);
    if (dialogTemplate == nullptr) {
        return false;
    }
    const auto& controls = dialogTemplate->controls;
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [id](const ControlTemplate& c) { return c.id == id; });
    return it != controls.end() && (it->style & CBS_SORT) != 0;
}

}  // namespace

const DialogTemplate* Dialog::TemplateToBuild() {
    const DialogTemplate* dialogTemplate = FindTemplate(m_templateId);
    m_windowFailure = dialogTemplate != nullptr ? std::u16string() : u"找不到窗口的模板。";
    return dialogTemplate;
}

Dialog* Dialog::TopLevelOwner() {
    Dialog* owner = m_parent != nullptr ? m_parent : MainWindow();
    return owner != this && owner != nullptr && owner->m_window != nullptr ? owner : nullptr;
}

void Dialog::FillTemplateCombos() {
    if (const DialogTemplate* dialogTemplate = FindTemplate(m_templateId)) {
        for (const InitData& init : dialogTemplate->initData) {
            for (const std::u16string& item : init.comboItems) {
                ComboAddString(init.controlId, item);
            }
        }
    }
}

int Dialog::ComboAddString(int id, std::u16string_view text) {
    if (!HasItem(id)) {
        return -1;
    }
    const int count = ComboGetCount(id);
    int index = count;
    if (IsSortedCombo(m_templateId, id)) {
        index = 0;
        while (index < count && !SortsBefore(text, ComboGetItemText(id, index))) {
            ++index;
        }
    }
    return ComboInsertAt(id, index, text);
}

bool Dialog::SetClipboardText(std::u16string_view text) const {
    const std::u16string refused = backend::PutOnClipboard(*this, text);
    if (refused.empty()) {
        return true;
    }
    ShowMessageBox({this, std::u16string(kCopyFailed) + refused, std::u16string(kErrorCaption),
                    MB_OK | MB_ICONEXCLAMATION});
    return false;
}

std::optional<std::u16string> Dialog::GetClipboardText() const {
    std::optional<std::u16string> text = backend::ClipboardText();
    if (text) {
        // CR LF (Windows) and a lone CR (old Mac text) end lines as LF does.
        std::u16string lines;
        lines.reserve(text->size());
        for (std::size_t i = 0; i < text->size(); ++i) {
            const char16_t c = (*text)[i];
            if (c == u'\r') {
                lines += u'\n';
                if (i + 1 < text->size() && (*text)[i + 1] == u'\n') {
                    ++i;
                }
            } else {
                lines += c;
            }
        }
        text = std::move(lines);
    }
    return text;
}

void Dialog::ReportCopyRows(int id, const std::vector<int>& rows) const {
    if (const ReportModel* model = ReportGetModel(id); model != nullptr && !rows.empty()) {
        SetClipboardText(RowsText(*model, ReportGetColumnCount(id), rows));
    }
}

void Dialog::ReportCopyRow(int id, int row) const {
    if (row >= 0) {
        ReportCopyRows(id, ReportRowsActedOn(id, row));
    }
}

void Dialog::ReportCopyCell(int id, int row, int column) const {
    const ReportModel* model = ReportGetModel(id);
    if (model != nullptr && row >= 0) {
        SetClipboardText(ColumnText(*model, column, ReportRowsActedOn(id, row)));
    }
}

}  // namespace ui
