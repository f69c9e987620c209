// The in-memory template's font block, read as DLGTEMPLATEEX lays it out:
// the dialog manager under Wine picks the character set itself, so only the
// bytes can show what Windows will be asked for.
#include "app/ui/win32/Windows.h"
//
#include <gtest/gtest.h>

#include "app/resources/ResourceIds.h"
#include "app/ui/ResourceTables.h"
#include "app/ui/win32/TemplateBuilder.h"

namespace {

TEST(Win32TemplateBuilder, TheFontAsksForTheDefaultCharacterSetNotAnsi) {
    for (const int id : {res::IDD_TICKWRIGHT_DIALOG, res::IDD_ABOUTBOX, res::IDD_LIST_DETAIL,
                         res::IDD_SIMPLE, res::IDD_ADVANCE}) {
        const ui::DialogTemplate* dialog = ui::FindTemplate(id);
        ASSERT_NE(dialog, nullptr);
        const std::vector<std::uint16_t> words = ui::win32::BuildDialogTemplate(*dialog, false);
        // dlgVer, signature, helpID (2), exStyle (2), style (2), cDlgItems,
        // x, y, cx, cy, menu, windowClass, then the title up to its NUL.
        std::size_t at = 15;
        while (words.at(at) != 0) {
            ++at;
        }
        ++at;
        EXPECT_EQ(words.at(at), dialog->font.pointSize) << id;
        EXPECT_EQ(words.at(at + 1), FW_NORMAL) << id;
        const std::uint16_t italicAndCharset = words.at(at + 2);
        EXPECT_EQ(italicAndCharset & 0xFF, 0) << id << ": not italic";
        EXPECT_EQ(italicAndCharset >> 8, DEFAULT_CHARSET) << id;
    }
}

}  // namespace
