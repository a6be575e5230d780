; The Windows installer: ou.exe and its console companion ou.com into Program Files\OU, a
; Start-menu entry "ОУ" and the stage files (.ou) opened by ou.exe, both for every user, and an
; uninstaller registered with Windows. A component, on unless unticked, adds the program's folder
; to the user's PATH, so "ou --csv …" works in any cmd; the uninstaller takes out exactly that
; entry. Both run silently with /S. scripts/build-windows.sh makes it:
;   makensis -DEXE=ou.exe -DCONSOLE=ou.com -DVERSION=1.1.0 -DOUTFILE=ou-setup.exe [-DARTWORK=DIR]
;            [-DAMD64] ou.nsi
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
; What ou.exe keeps of its own (RegistryRecentFiles.cpp): the recent files.
!define SETTINGS_KEY "Software\OU"
!define PROGID "OU.Stage"
; The user's own environment, whose Path Windows appends to the system's.
!define ENVIRONMENT "Environment"

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
!include "WinMessages.nsh"
!define MUI_FINISHPAGE_RUN "$INSTDIR\ou.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
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

; PATH_WITHOUT defines PathWithout (un.PathWithout for the uninstaller): $R1 = the list $R0 of
; folders separated by ";" without those equal to $R2 (letter case aside), every other entry kept
; as it was, empty ones too; $R3 = how many it took out.
!macro PATH_WITHOUT un
Function ${un}PathWithout
    Push $R4 ; the entry being read
    Push $R5 ; where in $R0
    Push $R6 ; the character there
    Push $R7 ; 1 while $R1 has no entry yet
    StrCpy $R1 ""
    StrCpy $R3 0
    StrCpy $R4 ""
    StrCpy $R5 0
    StrCpy $R7 1
    ${Do}
        StrCpy $R6 $R0 1 $R5
        ${If} $R6 == ";"
        ${OrIf} $R6 == ""
            ${If} $R4 == $R2
                IntOp $R3 $R3 + 1
            ${ElseIf} $R7 == 1
                StrCpy $R1 $R4
                StrCpy $R7 0
            ${Else}
                StrCpy $R1 "$R1;$R4"
            ${EndIf}
            StrCpy $R4 ""
        ${Else}
            StrCpy $R4 "$R4$R6"
        ${EndIf}
        IntOp $R5 $R5 + 1
    ${LoopUntil} $R6 == ""
    Pop $R7
    Pop $R6
    Pop $R5
    Pop $R4
FunctionEnd
!macroend
!insertmacro PATH_WITHOUT ""
!insertmacro PATH_WITHOUT "un."

; Windows programs read the environment anew when told it changed; cmd windows opened from now on
; find ou.
!macro ENVIRONMENT_CHANGED
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:${ENVIRONMENT}" /TIMEOUT=5000
!macroend

; A value the installer cannot read whole (NSIS strings hold ${NSIS_MAX_STRLEN} characters) is
; never written back: it would lose its end.
!define PATH_ROOM 900

Section "ОУ" SectionProgram
    SectionIn RO
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "/oname=ou.exe" "${EXE}"
    File "/oname=ou.com" "${CONSOLE}"
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

Section "Команда ou в PATH" SectionPath
    ReadRegStr $R0 HKCU "${ENVIRONMENT}" "Path"
    StrLen $R4 "$R0$INSTDIR"
    ${If} $R4 > ${PATH_ROOM}
        MessageBox MB_OK|MB_ICONEXCLAMATION \
            "Переменная PATH слишком длинна: папка программы в неё не добавлена." /SD IDOK
        Return
    ${EndIf}
    StrCpy $R2 "$INSTDIR"
    Call PathWithout
    ${If} $R3 == 0
        ${If} $R0 == ""
            StrCpy $R0 "$INSTDIR"
        ${Else}
            StrCpy $R0 "$R0;$INSTDIR"
        ${EndIf}
        WriteRegExpandStr HKCU "${ENVIRONMENT}" "Path" $R0
        !insertmacro ENVIRONMENT_CHANGED
        ; The uninstaller takes out this entry, and only this one; one the user had made before
        ; stays.
        WriteRegStr HKLM "${UNINSTALL_KEY}" "PathEntry" "$INSTDIR"
    ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} \
        "Программа ou.exe, её консольный спутник ou.com, пункт «ОУ» в меню «Пуск» и файлы каскадов (.ou)."
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionPath} \
        "Добавляет папку программы в PATH пользователя: «ou --csv …» работает в любой командной строке."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
    SetShellVarContext all
    ; The PATH entry the installer added, if it did.
    ReadRegStr $R2 HKLM "${UNINSTALL_KEY}" "PathEntry"
    ReadRegStr $R0 HKCU "${ENVIRONMENT}" "Path"
    StrLen $R4 $R0
    ${If} $R2 != ""
    ${AndIf} $R4 <= ${PATH_ROOM}
        Call un.PathWithout
        ${If} $R3 > 0
            ${If} $R1 == ""
                DeleteRegValue HKCU "${ENVIRONMENT}" "Path"
            ${Else}
                WriteRegExpandStr HKCU "${ENVIRONMENT}" "Path" $R1
            ${EndIf}
            !insertmacro ENVIRONMENT_CHANGED
        ${EndIf}
    ${EndIf}
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
    ; The program's own settings: the recent stage files.
    DeleteRegKey HKCU "${SETTINGS_KEY}"

    ; The folder last: once it is gone, so is everything else.
    Delete "${SHORTCUT}"
    Delete "$INSTDIR\ou.exe"
    Delete "$INSTDIR\ou.com"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
