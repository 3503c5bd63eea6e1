; The Windows installer: metalweight.exe and metalweight-bom.exe in Program Files, a
; Start-menu entry, an entry in Apps & features, and an uninstaller that takes away what
; was installed and nothing else. Made by the `installer` target, which passes:
;   VERSION (1.0.5), VERSION_RECORD (1.0.0.5), PROGRAM, BOM, GUIDE, LICENSE, ICON, OUTFILE
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define APP_NAME "金属材料单重计算"
!define PUBLISHER "The metalweight developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\metalweight"
!define SHORTCUT "${APP_NAME}.lnk"

Name "${APP_NAME}"
Caption "${APP_NAME} ${VERSION} 安装"
UninstallCaption "${APP_NAME} ${VERSION} 卸载"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\metalweight"
BrandingText "metalweight ${VERSION}"

; The installer's own version record.
VIProductVersion "${VERSION_RECORD}"
VIFileVersion "${VERSION_RECORD}"
VIAddVersionKey /LANG=2052 "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=2052 "FileDescription" "${APP_NAME} ${VERSION} 安装程序"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION_RECORD}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION_RECORD}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\metalweight.exe"
!define MUI_FINISHPAGE_RUN_TEXT "运行${APP_NAME}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
    SetShellVarContext all
    SetRegView 64
    ; A newer version goes where the installed one is, and replaces it in place.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
        StrCpy $INSTDIR $0
    ${EndIf}
FunctionEnd

Section "${APP_NAME}" SectionProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    File "/oname=metalweight.exe" "${PROGRAM}"
    File "/oname=metalweight-bom.exe" "${BOM}"
    File "/oname=cut-list-guide.html" "${GUIDE}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\metalweight.exe" "" \
        "$INSTDIR\metalweight.exe" 0 SW_SHOWNORMAL "" "${APP_NAME}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\metalweight.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "https://metalweight.net/"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Off unless the user ticks it (a silent install makes none).
Section /o "桌面快捷方式" SectionDesktop
    CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\metalweight.exe" "" \
        "$INSTDIR\metalweight.exe" 0 SW_SHOWNORMAL "" "${APP_NAME}"
SectionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

; Each file by name: a folder the user chose keeps whatever else is in it.
Section "Uninstall"
    Delete "$SMPROGRAMS\${SHORTCUT}"
    Delete "$DESKTOP\${SHORTCUT}"
    Delete "$INSTDIR\metalweight.exe"
    Delete "$INSTDIR\metalweight-bom.exe"
    Delete "$INSTDIR\cut-list-guide.html"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
