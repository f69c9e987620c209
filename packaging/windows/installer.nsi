; Tickwright's installer for Windows: per user, with no administrator rights,
; into %LOCALAPPDATA%\Programs\Tickwright, with a Start-menu shortcut and an
; uninstaller that Apps & features lists. /S installs and uninstalls silently.
; It installs over an earlier version in place (one entry, the new version).
; It refuses Windows before 10 version 1703, and waits for a running
; Tickwright to be closed (with /S it exits 3 instead, changing nothing).
; tools/windows.sh builds it with Debian's makensis:
;   makensis -DVERSION=1.2.3.4 -DSOURCE=folder -DICON=tickwright.ico -DOUTFILE=setup.exe installer.nsi
; SOURCE holds tickwright.exe, intro.html, LICENSE.txt and README.txt.

Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "WinVer.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tickwright"

Name "Tickwright"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tickwright"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductName" "Tickwright"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileDescription" "Tickwright 安装程序"
VIAddVersionKey /LANG=2052 "CompanyName" "Tickwright developers"
VIAddVersionKey /LANG=2052 "LegalCopyright" "版权所有 © 2026 Tickwright"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; No folder page: a per-user program lives in the user's own folder, which
; the user can always write; a folder such as Program Files would refuse it.
!insertmacro MUI_PAGE_LICENSE "${SOURCE}/LICENSE.txt"
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\tickwright.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

; The program holds this mutex while it runs (app/ui/win32/Application.cpp):
; its files cannot be replaced or removed meanwhile.
!define RUNNING_MUTEX "Local\Tickwright.Running"
!define SYNCHRONIZE 0x00100000

; Waits until no Tickwright runs, asking the user to close it; silently, or
; when the user cancels, ends with exit code 3 before anything has changed.
!macro WAIT_FOR_CLOSED un
Function ${un}WaitForClosed
    ${Do}
        System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${RUNNING_MUTEX}") p .r0'
        ${If} $0 P= 0
            Return
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r0)'
        ${If} ${Silent}
            SetErrorLevel 3
            Quit
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "Tickwright 正在运行。请先关闭 Tickwright，然后单击“重试”。" IDRETRY retry
        SetErrorLevel 3
        Quit
        retry:
    ${Loop}
FunctionEnd
!macroend
!insertmacro WAIT_FOR_CLOSED ""
!insertmacro WAIT_FOR_CLOSED "un."

Function .onInit
    ; The program needs what Windows 10 version 1703 (build 15063) brought:
    ; per-monitor DPI awareness v2 and GetDpiForWindow.
    ${IfNot} ${AtLeastWin10}
    ${OrIfNot} ${AtLeastBuild} 15063
        IfSilent +2
        MessageBox MB_OK|MB_ICONSTOP "Tickwright 需要 Windows 10 版本 1703 或更高版本。"
        SetErrorLevel 4
        Quit
    ${EndIf}
    Call WaitForClosed
FunctionEnd

Function un.onInit
    Call un.WaitForClosed
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    File "${SOURCE}/tickwright.exe"
    File "${SOURCE}/tickwright-cli.exe"
    File "${SOURCE}/intro.html"
    File "${SOURCE}/LICENSE.txt"
    File "${SOURCE}/README.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Tickwright.lnk" "$INSTDIR\tickwright.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tickwright"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tickwright developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tickwright.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ; Apps & features shows the size in KiB.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
    Delete "$INSTDIR\tickwright.exe"
    Delete "$INSTDIR\tickwright-cli.exe"
    Delete "$INSTDIR\intro.html"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Tickwright.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
