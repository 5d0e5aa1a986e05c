; The Windows installer of Vantrel: the program, its quiz, its help and the English language
; library when the build made one, Start-menu shortcuts, and an uninstaller registered in
; Add/Remove Programs that keeps the user's settings unless asked to remove them.
; Built by installer/CMakeLists.txt:
;   makensis -WX -INPUTCHARSET UTF8 -DPAYLOAD=<stripped Vantrel.exe and quiz.exe> -DBINDIR=<build's bin>
;            -DICON=<.ico> -DOUTFILE=<setup.exe> vantrel.nsi
; Both install and uninstall run silently with /S; "Uninstall.exe /S /REMOVESETTINGS" also
; removes the settings.

!ifndef PAYLOAD | BINDIR | ICON | OUTFILE
    !error "define PAYLOAD, BINDIR, ICON and OUTFILE"
!endif

Unicode true
; A 64-bit installer for a 64-bit program: neither Program Files nor the registry is redirected,
; and it runs where only the 64-bit Wine is installed.
Target amd64-unicode
SetCompressor /SOLID lzma
; Program Files and HKEY_LOCAL_MACHINE need an administrator.
RequestExecutionLevel admin
ManifestDPIAware true

; The version shown in Add/Remove Programs is the program's own, read from its version resource.
!getdllversion "${PAYLOAD}/Vantrel.exe" VANTREL_VERSION_
!define VERSION "${VANTREL_VERSION_1}.${VANTREL_VERSION_2}.${VANTREL_VERSION_3}.${VANTREL_VERSION_4}"
!define PUBLISHER "Apps QZN"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel"
!define SETTINGS_KEY "Software\Apps QZN\Vantrel\Version 2.0"
!define MENU_FOLDER "$SMPROGRAMS\Vantrel"
; Shortcut names are French like the program's own texts, whichever language the installer
; spoke, so that the uninstaller knows them without remembering that choice.
!define LINK_PROGRAM "Vantrel.lnk"
!define LINK_QUIZ "Questionnaire sur le code des couleurs.lnk"
!define LINK_HELP "Aide de Vantrel.lnk"
; The English language library is built on its own; it ships whenever it is there at build time.
!if /FileExists "${BINDIR}/langue_en.dll"
    !define HAVE_LANGUE_EN
!endif

Name "Vantrel"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PUBLISHER}\Vantrel"
; An update goes where the previous installation is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Vantrel ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The language asked at the start, kept for the uninstaller in the entry it removes anyway.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"
; Asked before any language is chosen, so in both.
!define MUI_LANGDLL_WINDOWTITLE "Langue / Language"
!define MUI_LANGDLL_INFO "Choisissez la langue de l'installation.$\nPlease select the installer's language."

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
; Its only box is the settings section, unticked: settings stay unless the user asks.
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_COMPONENTSPAGE_TEXT_TOP "$(UN_SETTINGS_TOP)"
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one used when the user's is neither.
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString UN_SETTINGS ${LANG_FRENCH} "Supprimer aussi les réglages"
LangString UN_SETTINGS ${LANG_ENGLISH} "Also remove the settings"
LangString UN_SETTINGS_TOP ${LANG_FRENCH} "Vantrel va être supprimé de votre ordinateur. Ses réglages (options, \
    dernier état de la fenêtre, meilleurs scores du questionnaire) sont conservés pour une prochaine installation, \
    sauf si vous cochez la case ci-dessous."
LangString UN_SETTINGS_TOP ${LANG_ENGLISH} "Vantrel will be removed from your computer. Its settings (options, \
    the window's last state, the quiz's best scores) are kept for a later installation unless you tick the box below."

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductName" "Vantrel"
VIAddVersionKey /LANG=${LANG_FRENCH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileDescription" "Installation de Vantrel"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "LegalCopyright" "Copyright © 2026 ${PUBLISHER}"

Section "-Vantrel"
    SetOutPath "$INSTDIR"
    File "${PAYLOAD}/Vantrel.exe"
    File "${PAYLOAD}/quiz.exe"
    File "${BINDIR}/Vantrel.chm"
!ifdef HAVE_LANGUE_EN
    File "${BINDIR}/langue_en.dll"
!endif
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; For every user of the machine, like the program folder. The shortcuts start in the
    ; program folder (the output path), where the program finds its quiz and help.
    SetShellVarContext all
    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\${LINK_PROGRAM}" "$INSTDIR\Vantrel.exe"
    CreateShortcut "${MENU_FOLDER}\${LINK_QUIZ}" "$INSTDIR\quiz.exe"
    CreateShortcut "${MENU_FOLDER}\${LINK_HELP}" "$INSTDIR\Vantrel.chm"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vantrel"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vantrel.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ; In KiB, as Add/Remove Programs reads it.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function .onInit
    ; Asks the language, offering the user's own first; silent runs take it without asking.
    !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

; Only what the installer put there goes: anything the user added keeps the folders.
Section "-un.Vantrel"
    SetShellVarContext all
    Delete "${MENU_FOLDER}\${LINK_PROGRAM}"
    Delete "${MENU_FOLDER}\${LINK_QUIZ}"
    Delete "${MENU_FOLDER}\${LINK_HELP}"
    RMDir "${MENU_FOLDER}"

    Delete "$INSTDIR\Vantrel.exe"
    Delete "$INSTDIR\quiz.exe"
    Delete "$INSTDIR\Vantrel.chm"
    ; Also when this build had none: an earlier version installed here may have brought it.
    Delete "$INSTDIR\langue_en.dll"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    ; The maker's folder only when it is the default one and nothing else is in it.
    ${GetParent} "$INSTDIR" $0
    ${If} $0 == "$PROGRAMFILES64\${PUBLISHER}"
        RMDir "$0"
    ${EndIf}

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; The program saves below HKEY_LOCAL_MACHINE, or below HKEY_CURRENT_USER when it may not write
; there; both go, with the maker's keys once they are empty (a companion tool may still use them).
Section /o "un.$(UN_SETTINGS)" SecRemoveSettings
    DeleteRegKey HKLM "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKLM "Software\${PUBLISHER}\Vantrel"
    DeleteRegKey /ifempty HKLM "Software\${PUBLISHER}"
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\${PUBLISHER}\Vantrel"
    DeleteRegKey /ifempty HKCU "Software\${PUBLISHER}"
SectionEnd

Function un.onInit
    !insertmacro MUI_UNGETLANGUAGE
    ; /REMOVESETTINGS ticks the box: the only way a silent uninstall removes the settings.
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/REMOVESETTINGS" $R1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecRemoveSettings}
    ${EndIf}
FunctionEnd
