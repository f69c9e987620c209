# The Windows build's tests, run under Wine: the same core, page-logic and GUI
# tests as on Linux, each suite in one process (a Wine process takes a while
# to start), the GUI suite at three system DPIs as the Linux one runs at three
# scale factors; and the Windows program itself, from outside.
#
# Each group of tests has a Wine prefix of its own, made by a fixture
# (MakePrefix.sh), with its own virtual X server.
set(wine_dir ${CMAKE_BINARY_DIR}/wine)
set(in_prefix ${CMAKE_CURRENT_SOURCE_DIR}/win32/InPrefix.sh)

# A prefix at `dpi` for the tests that name `fixture`.
function(tickwright_wine_prefix fixture dpi)
    add_test(NAME wine.${fixture}.Start
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/win32/MakePrefix.sh
                     ${wine_dir}/base ${wine_dir}/${fixture} ${dpi})
    add_test(NAME wine.${fixture}.End
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/win32/EndPrefix.sh ${wine_dir}/${fixture})
    set_tests_properties(wine.${fixture}.Start PROPERTIES FIXTURES_SETUP ${fixture} TIMEOUT 180)
    set_tests_properties(wine.${fixture}.End PROPERTIES FIXTURES_CLEANUP ${fixture})
endfunction()

# A test that runs in the prefix of `fixture`; one at a time there, since
# windows of one X server share its focus. A Windows program given as the
# command runs under Wine by its emulator, InPrefix.sh.
function(tickwright_wine_test name fixture)
    add_test(NAME ${name} COMMAND ${ARGN})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED ${fixture} RESOURCE_LOCK ${fixture}
                         ENVIRONMENT "WINEPREFIX=${wine_dir}/${fixture}" TIMEOUT 600)
endfunction()

# Wine has one system DPI: windows made in a prefix of one DPI are recorded,
# and the same windows made in another prefix are moved there by
# WM_DPICHANGED and compared with the record (ui/win32/DpiChangeTest.cpp).
set(layout_dir ${CMAKE_BINARY_DIR}/layouts)
function(tickwright_dpi_record dpi)
    tickwright_wine_test(dpi_change.RecordAt${dpi} dpi${dpi}
        win32_backend_tests --gtest_filter=DpiChange.RecordNativeLayout)
    set_property(TEST dpi_change.RecordAt${dpi} APPEND PROPERTY
                 ENVIRONMENT "TICKWRIGHT_LAYOUT_DIR=${layout_dir}")
endfunction()
function(tickwright_dpi_move from to)
    tickwright_wine_test(dpi_change.From${from}To${to} dpi${from}
        win32_backend_tests --gtest_filter=DpiChange.ScaledLayoutMatchesNative)
    set_property(TEST dpi_change.From${from}To${to} APPEND PROPERTY
                 ENVIRONMENT "TICKWRIGHT_LAYOUT_DIR=${layout_dir};TICKWRIGHT_SCALE_TO=${to}")
    set_property(TEST dpi_change.From${from}To${to} PROPERTY DEPENDS dpi_change.RecordAt${to})
endfunction()

# Tests that cannot pass under Wine only because Wine lacks what they check.
# They stay in the suite: each runs on its own and is expected to fail
# (WILL_FAIL), so the day Wine has what it lacked, its entry fails and the
# test goes back into the suite. docs/windows.md lists them too.
set(wine_gaps
    # Wine's IAccPropServices is a stub: every method returns E_NOTIMPL
    # (dlls/oleacc/propservice.c in Wine 8.0), so the names the layer gives
    # fields and selectors through it never reach MSAA, and a screen reader
    # under Wine hears the label before each control instead.
    Accessibility.EveryControlHasTheRoleOfItsKindAndAName
    Accessibility.FieldsAndSelectorsAreNamedByTheirLabelAndSide
)
list(JOIN wine_gaps ":" gaps)

# What the Win32 backend alone has, tested on Windows' own terms.
add_executable(win32_backend_tests
    ui/GuiTestMain.cpp
    ${PROJECT_SOURCE_DIR}/app/CTickwrightApp.cpp
    ui/win32/ClipboardTest.cpp
    ui/win32/DpiChangeTest.cpp
    ui/win32/ExportTest.cpp
    ui/win32/ModalTest.cpp
    ui/win32/ReportListTest.cpp
    ui/win32/SortedListTest.cpp
    ui/win32/TemplateBuilderTest.cpp
)
target_link_libraries(win32_backend_tests PRIVATE
    tickwright_mainwnd tickwright_resources tickwright_ui_test GTest::gtest user32 gdi32)

set_target_properties(core_tests gui_tests win32_backend_tests PROPERTIES
    CROSSCOMPILING_EMULATOR ${in_prefix})

tickwright_wine_prefix(core 96)
tickwright_wine_test(core_tests core core_tests)

foreach(dpi 96 144 192)
    tickwright_wine_prefix(dpi${dpi} ${dpi})
    tickwright_wine_test(gui_tests.AtDpi${dpi} dpi${dpi} gui_tests --gtest_filter=-${gaps})
    tickwright_wine_test(win32_backend_tests.AtDpi${dpi} dpi${dpi}
        win32_backend_tests --gtest_filter=-DpiChange.*)
    tickwright_dpi_record(${dpi})
endforeach()
tickwright_dpi_move(96 144)
tickwright_dpi_move(96 192)
tickwright_dpi_move(144 96)
foreach(gap ${wine_gaps})
    tickwright_wine_test(wine_gap.${gap} dpi96 gui_tests --gtest_filter=${gap})
    set_tests_properties(wine_gap.${gap} PROPERTIES WILL_FAIL ON)
endforeach()

# The program from outside: started under Wine, driven by another process as
# automation tools drive it, and closed by its close box.
add_executable(drive_from_outside e2e/win32/DriveFromOutside.cpp)
target_link_libraries(drive_from_outside PRIVATE user32)
tickwright_wine_prefix(e2e 96)
tickwright_wine_test(e2e.RunsConvertsAndClosesUnderWine e2e
    ${CMAKE_CURRENT_SOURCE_DIR}/e2e/win32/RunUnderWine.sh
    $<TARGET_FILE:tickwright> $<TARGET_FILE:drive_from_outside>)
# The console twin under Wine gives the bytes it gives on Linux.
tickwright_wine_test(e2e.CliAnnotatesAsOnLinux e2e
    ${CMAKE_CURRENT_SOURCE_DIR}/e2e/CliAnnotate.sh $<TARGET_FILE:tickwright-cli> ${in_prefix})
tickwright_wine_test(e2e.CommandLineAnswersTheConsole e2e
    ${CMAKE_CURRENT_SOURCE_DIR}/e2e/win32/CommandLine.sh $<TARGET_FILE:tickwright> ${PROJECT_VERSION})
# What tools/windows.sh packaged (it packages before it tests); skipped when
# there is nothing.
tickwright_wine_test(e2e.PackagesInstallAndUninstall e2e
    ${CMAKE_CURRENT_SOURCE_DIR}/e2e/win32/CheckPackages.sh
    ${PROJECT_SOURCE_DIR}/build/windows/pkg ${PROJECT_VERSION}
    ${PROJECT_SOURCE_DIR}/build/windows/pkg-test/tickwright-0.9.0.0-win64-setup.exe
    $<TARGET_FILE:drive_from_outside>)
set_tests_properties(e2e.PackagesInstallAndUninstall PROPERTIES SKIP_RETURN_CODE 77)

# The executables read as files: this build's, and the release tools/windows.sh
# packages, which must also stay within 3 MiB.
find_program(MINGW_OBJDUMP ${TICKWRIGHT_MINGW_TRIPLE}-objdump REQUIRED)
add_test(NAME e2e.ExeIsWholeAndHardened
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/win32/CheckExe.sh
                 ${MINGW_OBJDUMP} $<TARGET_FILE:tickwright> ${PROJECT_VERSION})
add_test(NAME e2e.CliExeIsWholeAndHardened
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/win32/CheckExe.sh
                 ${MINGW_OBJDUMP} $<TARGET_FILE:tickwright-cli> ${PROJECT_VERSION})
add_test(NAME e2e.ReleaseExeIsWholeHardenedAndSmall
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/win32/CheckExe.sh
                 ${MINGW_OBJDUMP} ${PROJECT_SOURCE_DIR}/build/windows/release/app/tickwright.exe
                 ${PROJECT_VERSION} 3145728)
set_tests_properties(e2e.ReleaseExeIsWholeHardenedAndSmall PROPERTIES SKIP_RETURN_CODE 77)
