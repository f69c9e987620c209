// The all-or-nothing write on Windows' terms: the new file put in place when
// ReplaceFileW fails half-way, paths past MAX_PATH, a drive's root.
#include "app/ui/win32/Windows.h"
//
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/ui/Files.h"
#include "app/ui/win32/FileReplacing.h"
#include "tests/ScratchFolder.h"
#include "tests/Utf8.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        files.push_back(entry.path().filename());
    }
    return files;
}

// ReplaceFileW failing as Windows documents: with 1176 the old file is
// gone and the new one keeps its own name; with 1177 the old one is kept
// under another name; with any other error nothing moved.
BOOL FailingReplace(DWORD error, const wchar_t* target) {
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
        DeleteFileW(target);
    } else if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        MoveFileW(target, (std::wstring(target) + L".replaced").c_str());
    }
    SetLastError(error);
    return FALSE;
}

class Win32Export : public ::testing::Test {
protected:
    void TearDown() override { ui::win32::SetFileReplacing({}); }
    testsupport::ScratchFolder m_folder;
};

TEST_F(Win32Export, AReplacementThatFailsHalfWayNeverLosesTheData) {
    struct Case {
        const char* name;
        DWORD replaceError;
        bool moveFails;
        const char* expectedTarget;  // nullptr: no file there
        bool written;                // reported as done
        bool dataKeptAside;          // the new file left, and the message names it
    };
    const Case cases[] = {
        {"1176, then moved", ERROR_UNABLE_TO_MOVE_REPLACEMENT, false, "new", true, false},
        {"1177, then moved", ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, false, "new", true, false},
        {"1176, and the move fails", ERROR_UNABLE_TO_MOVE_REPLACEMENT, true, nullptr, false, true},
        {"1177, and the move fails", ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, true, nullptr, false,
         true},
        {"refused before anything moved", ERROR_ACCESS_DENIED, false, "old", false, false},
    };
    for (const Case& c : cases) {
        const testsupport::ScratchFolder folder;
        const fs::path target = testsupport::WriteFile(folder / u"history.csv", "old");
        ui::win32::SetFileReplacing({[&](const wchar_t* file, const wchar_t*) {
                                         return FailingReplace(c.replaceError, file);
                                     },
                                     c.moveFails
                                         ? std::function<BOOL(const wchar_t*, const wchar_t*)>(
                                               [](const wchar_t*, const wchar_t*) {
                                                   SetLastError(ERROR_SHARING_VIOLATION);
                                                   return FALSE;
                                               })
                                         : nullptr});
        const std::u16string problem = ui::WriteFileAtomically(target.u16string(), "new");
        ui::win32::SetFileReplacing({});
        if (c.expectedTarget != nullptr) {
            EXPECT_EQ(testsupport::ReadFile(target), c.expectedTarget) << c.name;
        } else {
            EXPECT_FALSE(fs::exists(target)) << c.name;
        }
        EXPECT_EQ(problem.empty(), c.written) << c.name;
        std::vector<fs::path> aside;
        for (const fs::path& file : FilesIn(folder.Path())) {
            if (file.extension() == ".tmp") {
                aside.push_back(folder.Path() / file);
            }
        }
        if (c.dataKeptAside) {
            ASSERT_EQ(aside.size(), 1u) << c.name;
            EXPECT_EQ(testsupport::ReadFile(aside[0]), "new") << c.name;
            EXPECT_NE(problem.find(u"导出的数据已保存在: " + aside[0].u16string()),
                      std::u16string::npos)
                << c.name << ": " << testsupport::Utf8(problem);
        } else {
            EXPECT_TRUE(aside.empty()) << c.name << ": no file left beside";
        }
    }
}

TEST_F(Win32Export, APathLongerThanMaxPathIsWritten) {
    std::wstring folder = L"\\\\?\\" + m_folder.Path().wstring();
    while (folder.size() < MAX_PATH + 40) {
        folder += L"\\" + std::wstring(60, L'd');
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << GetLastError();
    }
    const std::wstring file = folder.substr(4) + L"\\history.csv";  // as the save dialog gives it
    ASSERT_GT(file.size(), static_cast<std::size_t>(MAX_PATH));
    const std::u16string problem =
        ui::WriteFileAtomically(std::u16string(file.begin(), file.end()), "rows");
    EXPECT_TRUE(problem.empty()) << testsupport::Utf8(problem);
    EXPECT_EQ(testsupport::ReadFile(fs::path(L"\\\\?\\" + file)), "rows");
}

TEST_F(Win32Export, AFileInADrivesRootIsWritten) {
    // The folder of "C:\\x.csv" is "C:\\". "C:" alone names drive C's
    // current folder, which Windows keeps in the variable "=C:" while the
    // process works on another drive: here one that is not there.
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    SetCurrentDirectoryW(L"Z:\\");
    SetEnvironmentVariableW(L"=C:", L"C:\\no-such-folder");
    const std::wstring file =
        L"C:\\tickwright-export-test-" + std::to_wstring(GetCurrentProcessId()) + L".csv";
    const std::u16string problem =
        ui::WriteFileAtomically(std::u16string(file.begin(), file.end()), "rows");
    SetEnvironmentVariableW(L"=C:", nullptr);
    SetCurrentDirectoryW(current);
    EXPECT_TRUE(problem.empty()) << testsupport::Utf8(problem);
    EXPECT_EQ(testsupport::ReadFile(fs::path(file)), "rows");
    DeleteFileW(file.c_str());
}

}  // namespace
