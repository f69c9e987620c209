; Tickwright's installer for Windows: per user, with no administrator rights,
; into %LOCALAPPDATA%\Programs\Tickwright, with a Start-menu shortcut and an
; uninstaller that Apps & features lists. /S installs and uninstalls silently.
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
!insertmacro MUI_PAGE_LICENSE "${SOURCE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\tickwright.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Section
    SetOutPath "$INSTDIR"
    File "${SOURCE}/tickwright.exe"
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
    Delete "$INSTDIR\intro.html"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Tickwright.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
