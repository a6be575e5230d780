; The Windows installer: ou.exe into Program Files\OU, a Start-menu entry "ОУ" and the stage files
; (.ou) opened by ou.exe, both for every user, and an uninstaller registered with Windows. Both run
; silently with /S. scripts/build-windows.sh makes it:
;   makensis -DEXE=ou.exe -DVERSION=1.1.0 -DOUTFILE=ou-setup.exe [-DARTWORK=DIR] [-DAMD64] ou.nsi
; DIR is where the Windows build drew the program's artwork: the icon ou.ico and the installer's
; pictures installer-side.bmp (the welcome and finish pages) and installer-header.bmp; without
; it the installer shows NSIS's stock ones. -DAMD64 makes the same installer a 64-bit program,
; for wine where 32-bit programs cannot run.
Unicode true
!ifdef AMD64
Target amd64-unicode
!endif
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\OU"
!define SHORTCUT "$SMPROGRAMS\ОУ.lnk"
; The stage files: the extension names the ProgID, which says how Windows shows and opens them.
!define CLASSES "Software\Classes"
!define PROGID "OU.Stage"

Name "ОУ"
BrandingText "ОУ ${VERSION}"
OutFile "${OUTFILE}"
; A 32-bit program: Program Files (x86) on 64-bit Windows.
InstallDir "$PROGRAMFILES\OU"
RequestExecutionLevel admin
!ifdef ARTWORK
!define MUI_ICON "${ARTWORK}/ou.ico"
!define MUI_UNICON "${ARTWORK}/ou.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${ARTWORK}/installer-side.bmp"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_BITMAP "${ARTWORK}/installer-header.bmp"
!define MUI_HEADERIMAGE_UNBITMAP "${ARTWORK}/installer-header.bmp"
!endif

!include "MUI2.nsh"
!include "LogicLib.nsh"
!define MUI_FINISHPAGE_RUN "$INSTDIR\ou.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

; Explorer caches the icons and commands of file types: tell it they changed
; (SHCNE_ASSOCCHANGED, no item).
!macro ASSOCIATIONS_CHANGED
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

Section
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "/oname=ou.exe" "${EXE}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\ou.exe"

    WriteRegStr HKLM "${CLASSES}\.ou" "" "${PROGID}"
    WriteRegStr HKLM "${CLASSES}\.ou\OpenWithProgids" "${PROGID}" ""
    WriteRegStr HKLM "${CLASSES}\${PROGID}" "" "Каскад ОУ"
    WriteRegStr HKLM "${CLASSES}\${PROGID}\DefaultIcon" "" '"$INSTDIR\ou.exe",0'
    WriteRegStr HKLM "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\ou.exe" "%1"'
    !insertmacro ASSOCIATIONS_CHANGED

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "ОУ"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Разработчики ОУ"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ou.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    ; .ou may have been given to another program since: then only our entry among the programs
    ; that can open it goes, and the key stays with that program's values.
    ReadRegStr $0 HKLM "${CLASSES}\.ou" ""
    ${If} $0 == "${PROGID}"
        DeleteRegValue HKLM "${CLASSES}\.ou" ""
    ${EndIf}
    DeleteRegValue HKLM "${CLASSES}\.ou\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty HKLM "${CLASSES}\.ou\OpenWithProgids"
    DeleteRegKey /ifempty HKLM "${CLASSES}\.ou"
    DeleteRegKey HKLM "${CLASSES}\${PROGID}"
    !insertmacro ASSOCIATIONS_CHANGED
    DeleteRegKey HKLM "${UNINSTALL_KEY}"

    ; The folder last: once it is gone, so is everything else.
    Delete "${SHORTCUT}"
    Delete "$INSTDIR\ou.exe"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
