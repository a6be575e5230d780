; The Windows installer: ou.exe into Program Files\OU, a Start-menu entry "ОУ" for every user and
; an uninstaller registered with Windows. Both run silently with /S. scripts/build-windows.sh makes
; it:
;   makensis -DEXE=ou.exe -DVERSION=1.0 -DOUTFILE=ou-setup.exe [-DICON=ou.ico] [-DAMD64] ou.nsi
; -DAMD64 makes the same installer a 64-bit program, for wine where 32-bit programs cannot run.
Unicode true
!ifdef AMD64
Target amd64-unicode
!endif
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\OU"
!define SHORTCUT "$SMPROGRAMS\ОУ.lnk"

Name "ОУ"
OutFile "${OUTFILE}"
; A 32-bit program: Program Files (x86) on 64-bit Windows.
InstallDir "$PROGRAMFILES\OU"
RequestExecutionLevel admin
!ifdef ICON
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!endif

!include "MUI2.nsh"
!define MUI_FINISHPAGE_RUN "$INSTDIR\ou.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Section
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "/oname=ou.exe" "${EXE}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\ou.exe"

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
    Delete "${SHORTCUT}"
    Delete "$INSTDIR\ou.exe"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
