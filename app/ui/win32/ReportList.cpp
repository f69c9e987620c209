#include "app/ui/win32/ReportList.h"

#include <algorithm>

#include "app/ui/CellText.h"
#include "app/ui/Dialog.h"
#include "app/ui/ReportCopy.h"
#include "app/ui/win32/DialogWindow.h"
#include "app/ui/win32/Text.h"

namespace ui {

ReportList::ReportList(HWND list, const DialogWindow& window) : m_list(list), m_window(window) {
    // Info tips: the row's hint shows when the pointer rests on it.
    ListView_SetExtendedListViewStyleEx(m_list, LVS_EX_INFOTIP, LVS_EX_INFOTIP);
}

ReportList::~ReportList() {
    if (m_model != nullptr) {
        m_model->RemoveObserver(this);
    }
}

void ReportList::SetModel(ReportModel* model) {
    if (m_model != nullptr) {
        m_model->RemoveObserver(this);
    }
    m_model = model;
    if (m_model != nullptr) {
        m_model->AddObserver(this);
    }
    EndReset();
}

int ReportList::RowCount() const {
    return m_model != nullptr ? m_model->RowCount() : 0;
}

void ReportList::InsertColumn(int column, const std::u16string& heading, int width) {
    std::wstring text(heading.begin(), heading.end());
    LVCOLUMNW item{};
    item.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    item.fmt = LVCFMT_LEFT;
    item.cx = m_window.ToDevice(width);
    item.pszText = text.data();
    item.iSubItem = column;
    ListView_InsertColumn(m_list, std::clamp(column, 0, ColumnCount()), &item);
}

int ReportList::ColumnCount() const {
    return Header_GetItemCount(ListView_GetHeader(m_list));
}

int ReportList::ColumnWidth(int column) const {
    return m_window.ToDips(ListView_GetColumnWidth(m_list, column));
}

void ReportList::ScaleColumns(int oldDpi, int newDpi) {
    for (int column = 0; column < ColumnCount(); ++column) {
        ListView_SetColumnWidth(m_list, column,
                                MulDiv(ListView_GetColumnWidth(m_list, column), newDpi, oldDpi));
    }
}

void ReportList::ApplyExtendedStyle(StyleFlags style) {
    m_extendedStyle = style;
    const DWORD shown = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    ListView_SetExtendedListViewStyleEx(m_list, shown, style & shown);
}

std::vector<int> ReportList::SelectedRows() const {
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(m_list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(m_list, row, LVNI_SELECTED)) {
        rows.push_back(row);
    }
    return rows;
}

std::vector<int> ReportList::RowsActedOn(int row) const {
    const std::vector<int> selected = SelectedRows();
    return std::find(selected.begin(), selected.end(), row) != selected.end()
               ? selected
               : std::vector<int>{row};
}

int ReportList::FocusedRow() const {
    return ListView_GetNextItem(m_list, -1, LVNI_FOCUSED);
}

LVHITTESTINFO ReportList::HitTest(POINT screen) const {
    LVHITTESTINFO hit{};
    hit.pt = screen;
    ScreenToClient(m_list, &hit.pt);
    ListView_SubItemHitTest(m_list, &hit);
    return hit;
}

int ReportList::RowAt(POINT screen) const {
    const LVHITTESTINFO hit = HitTest(screen);
    return (hit.flags & LVHT_ONITEM) != 0 ? hit.iItem : -1;
}

int ReportList::ColumnAt(POINT screen) const {
    const LVHITTESTINFO hit = HitTest(screen);
    return (hit.flags & LVHT_ONITEM) != 0 ? hit.iSubItem : -1;
}

POINT ReportList::RowPoint(int row) const {
    RECT cell{};
    ListView_GetItemRect(m_list, row, &cell, LVIR_LABEL);
    POINT middle{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ClientToScreen(m_list, &middle);
    return middle;
}

void ReportList::ShowRow(int row) {
    ListView_EnsureVisible(m_list, row, FALSE);
}

std::u16string ReportList::ShownText(int row, int column) const {
    if (m_model == nullptr || row < 0 || row >= RowCount()) {
        return {};
    }
    const std::u16string_view text = m_model->CellText(row, column);
    const std::size_t shown = ShownLength(text, kMostCharactersShown);
    return shown < text.size() ? std::u16string(text.substr(0, shown)) + kEllipsis
                               : std::u16string(text);
}

bool ReportList::OnNotify(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
            if ((info.item.mask & LVIF_TEXT) != 0) {
                const std::u16string shown = ShownText(info.item.iItem, info.item.iSubItem);
                std::wstring& buffer = m_shown[m_nextShown];
                m_nextShown = (m_nextShown + 1) % m_shown.size();
                buffer.assign(shown.begin(), shown.end());
                info.item.pszText = buffer.data();
            }
            result = 0;
            return true;
        }
        case LVN_GETINFOTIPW: {
            auto& tip =
                const_cast<NMLVGETINFOTIPW&>(reinterpret_cast<const NMLVGETINFOTIPW&>(header));
            if (m_model != nullptr && tip.pszText != nullptr && tip.cchTextMax > 0) {
                const std::u16string hint = m_model->RowHint(tip.iItem);
                const std::size_t length =
                    std::min(hint.size(), static_cast<std::size_t>(tip.cchTextMax - 1));
                std::copy_n(hint.begin(), length, tip.pszText);
                tip.pszText[length] = L'\0';
            }
            result = 0;
            return true;
        }
        case NM_DBLCLK: {
            const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
            const bool onRow = activate.iItem >= 0 && activate.iItem < RowCount();
            if (WindowOwner* owner = m_window.Owner()) {
                owner->Deliver(Event{Notification::DoubleClicked, static_cast<int>(header.idFrom),
                                     onRow ? activate.iItem : -1, onRow ? activate.iSubItem : -1});
            }
            result = 0;
            return true;
        }
        case LVN_KEYDOWN: {
            const auto& key = reinterpret_cast<const NMLVKEYDOWN&>(header);
            WindowOwner* owner = m_window.Owner();
            const bool control =
                (GetKeyState(VK_CONTROL) & 0x8000) != 0 && (GetKeyState(VK_MENU) & 0x8000) == 0;
            const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
            const int id = static_cast<int>(header.idFrom);
            if (key.wVKey == 'C' && control && owner != nullptr) {
                owner->AsDialog()->ReportCopyRows(id, RowsForCopyKey(SelectedRows(), FocusedRow()));
            }
            // Windows' paste keys: Ctrl+V, and Shift+Insert.
            if (((key.wVKey == 'V' && control) || (key.wVKey == VK_INSERT && shift && !control)) &&
                owner != nullptr) {
                owner->Deliver(Event{Notification::PasteKey, id, 0, 0});
            }
            result = 0;
            return true;
        }
        case LVN_ODFINDITEMW:
            result = -1;  // no typing to find a row
            return true;
        default:
            return false;
    }
}

void ReportList::BeginInsertAtTop(int count) {
    m_inserted = count;
    // Asking for the selected count first spares a walk over every row.
    m_selectedBeforeInsert.clear();
    if (ListView_GetSelectedCount(m_list) != 0) {
        m_selectedBeforeInsert = SelectedRows();
    }
    m_focusedBeforeInsert = FocusedRow();
}

void ReportList::EndInsertAtTop() {
    if (m_selectedBeforeInsert.empty() && m_focusedBeforeInsert < 0) {
        // Nothing moves down with the rows, so the control takes the new count
        // when the event loop next turns, once for all the rows added by then,
        // as Qt's view does: setting it redraws the scroll bar at once, which
        // costs Wine's themed one some 16 ms a row. The control asks the
        // model for every cell it draws, so what it shows is never stale.
        if (!m_countBehind) {
            m_countBehind = true;
            PostMessageW(GetParent(m_list), kCatchUpMessage,
                         static_cast<WPARAM>(GetDlgCtrlID(m_list)), 0);
        }
        InvalidateRect(m_list, nullptr, FALSE);
        return;
    }
    // The control keeps its selection by row number; the rows moved down.
    m_countBehind = false;
    ListView_SetItemCountEx(m_list, RowCount(), LVSICF_NOSCROLL);
    if (!m_selectedBeforeInsert.empty()) {
        ListView_SetItemState(m_list, -1, 0, LVIS_SELECTED);
        for (const int row : m_selectedBeforeInsert) {
            ListView_SetItemState(m_list, row + m_inserted, LVIS_SELECTED, LVIS_SELECTED);
        }
    }
    if (m_focusedBeforeInsert >= 0) {
        ListView_SetItemState(m_list, m_focusedBeforeInsert + m_inserted, LVIS_FOCUSED,
                              LVIS_FOCUSED);
    }
    m_selectedBeforeInsert.clear();
    InvalidateRect(m_list, nullptr, FALSE);
}

void ReportList::CatchUp() {
    if (m_countBehind) {
        m_countBehind = false;
        ListView_SetItemCountEx(m_list, RowCount(), LVSICF_NOSCROLL);
    }
}

void ReportList::EndReset() {
    m_countBehind = false;
    ListView_SetItemState(m_list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemCountEx(m_list, RowCount(), 0);
    InvalidateRect(m_list, nullptr, TRUE);
}

void ReportList::CellChanged(int row, int) {
    ListView_RedrawItems(m_list, row, row);
}

void ReportList::ModelDestroyed() {
    m_model = nullptr;
    m_countBehind = false;
    ListView_SetItemCountEx(m_list, 0, 0);
}

}  // namespace ui
