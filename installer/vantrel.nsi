; The Windows installer of Vantrel, which is also its repair tool: components (the program, its
; help, its quiz, the English language library when the build made one, Start-menu and desktop
; shortcuts), the online update tool, and an uninstaller registered in Add/Remove Programs that
; keeps the user's settings unless asked to remove them.
; Built by installer/CMakeLists.txt:
;   makensis -WX -INPUTCHARSET UTF8 -DPAYLOAD=<stripped programs> -DBINDIR=<build's bin>
;            -DICON=<.ico> -DOUTFILE=<setup.exe> -DSITE_ADDRESS=... -DHELP_ADDRESS=...
;            -DSUPPORT_ADDRESS=... vantrel.nsi
; Switches:
;   /S                    silent: every component but the desktop shortcut, or those of /COMPONENTS
;   /COMPONENTS=a,b,...   exactly these besides the program: help, quiz, english, startmenu, desktop
;   /CONFIG:"Vantrel"     repair (how the program starts the copy kept as QZNRepair.exe): the
;                         components installed last are put back in the tool's folder, settings
;                         untouched
; "Uninstall.exe /S" uninstalls silently; with /REMOVESETTINGS it also removes the settings.

!ifndef PAYLOAD | BINDIR | ICON | OUTFILE | SITE_ADDRESS | HELP_ADDRESS | SUPPORT_ADDRESS
    !error "define PAYLOAD, BINDIR, ICON, OUTFILE, SITE_ADDRESS, HELP_ADDRESS and SUPPORT_ADDRESS"
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
!define PRODUCT "Vantrel"
!define PUBLISHER "Apps QZN"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel"
!define SETTINGS_KEY "Software\Apps QZN\Vantrel\Version 2.0"
; The keys by which the program finds its companion tools ("Chemin": the tool's full path).
!define REPAIR_KEY "Software\Apps QZN\QZNRepair"
!define UPDATE_KEY "Software\Apps QZN\QZNUpdate"
!define REPAIR_TOOL "QZNRepair.exe"
!define UPDATE_TOOL "QZNUpdate.exe"
!define MENU_FOLDER "$SMPROGRAMS\Vantrel"
; Shortcut names are French like the program's own texts, whichever language the installer
; spoke, so that the uninstaller and the repair know them without remembering that choice.
!define LINK_PROGRAM "Vantrel.lnk"
!define LINK_QUIZ "Questionnaire sur le code des couleurs.lnk"
!define LINK_HELP "Aide de Vantrel.lnk"
; The English language library is built on its own; it ships whenever it is there at build time.
!if /FileExists "${BINDIR}/langue_en.dll"
    !define HAVE_LANGUE_EN
!endif

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PUBLISHER}\Vantrel"
; An update goes where the previous installation is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Vantrel ${VERSION}"
; Set in .onInit: the installer's or the repair's.
Caption "$Caption"
ShowInstDetails show
ShowUninstDetails show

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh
!include StrFunc.nsh
${StrStr}

Var Caption
Var WorkTitle
Var WorkText
Var FinishTitle
Var FinishText
; 1 when run with /CONFIG: as the repair tool.
Var Repair

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

; A repair goes straight to its work: the folder and the components are those installed.
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenRepairing
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenRepairing
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenRepairing
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_PAGE_HEADER_TEXT "$WorkTitle"
!define MUI_PAGE_HEADER_SUBTEXT "$WorkText"
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "$FinishTitle"
!define MUI_FINISHPAGE_TEXT "$FinishText"
; "Lancer Vantrel" / "Run Vantrel", ticked.
!define MUI_FINISHPAGE_RUN "$INSTDIR\Vantrel.exe"
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishShow
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
; Its only box is the settings section, unticked: settings stay unless the user asks.
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_COMPONENTSPAGE_TEXT_TOP "$(UN_SETTINGS_TOP)"
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

; The installer speaks the system's language when it is one of these, French otherwise (the
; first one); so does the uninstaller.
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "English"

LangString SEC_PROGRAM ${LANG_FRENCH} "Vantrel"
LangString SEC_PROGRAM ${LANG_ENGLISH} "Vantrel"
LangString SEC_HELP ${LANG_FRENCH} "Aide"
LangString SEC_HELP ${LANG_ENGLISH} "Help"
LangString SEC_QUIZ ${LANG_FRENCH} "Questionnaire"
LangString SEC_QUIZ ${LANG_ENGLISH} "Quiz"
LangString SEC_ENGLISH ${LANG_FRENCH} "Langue anglaise"
LangString SEC_ENGLISH ${LANG_ENGLISH} "English language"
LangString SEC_STARTMENU ${LANG_FRENCH} "Raccourcis dans le menu Démarrer"
LangString SEC_STARTMENU ${LANG_ENGLISH} "Start menu shortcuts"
LangString SEC_DESKTOP ${LANG_FRENCH} "Raccourci sur le Bureau"
LangString SEC_DESKTOP ${LANG_ENGLISH} "Desktop shortcut"
LangString DESC_PROGRAM ${LANG_FRENCH} "Le programme, son outil de réparation et son outil de mise à jour en ligne."
LangString DESC_PROGRAM ${LANG_ENGLISH} "The program, its repair tool and its online update tool."
LangString DESC_HELP ${LANG_FRENCH} "L'aide du programme (touche F1)."
LangString DESC_HELP ${LANG_ENGLISH} "The program's help (F1 key)."
LangString DESC_QUIZ ${LANG_FRENCH} "Le questionnaire sur le code des couleurs."
LangString DESC_QUIZ ${LANG_ENGLISH} "The colour-code quiz."
LangString DESC_ENGLISH ${LANG_FRENCH} "Les textes du programme en anglais, à choisir dans ses options."
LangString DESC_ENGLISH ${LANG_ENGLISH} "The program's texts in English, chosen in its options."
LangString DESC_STARTMENU ${LANG_FRENCH} "Un dossier Vantrel dans le menu Démarrer."
LangString DESC_STARTMENU ${LANG_ENGLISH} "A Vantrel folder in the Start menu."
LangString DESC_DESKTOP ${LANG_FRENCH} "Un raccourci vers Vantrel sur le Bureau."
LangString DESC_DESKTOP ${LANG_ENGLISH} "A shortcut to Vantrel on the desktop."
; The titles the installer's languages give it; Caption replaces those.
LangString SETUP_CAPTION ${LANG_FRENCH} "Installation de Vantrel"
LangString SETUP_CAPTION ${LANG_ENGLISH} "Vantrel Setup"
LangString REPAIR_CAPTION ${LANG_FRENCH} "Réparation de Vantrel"
LangString REPAIR_CAPTION ${LANG_ENGLISH} "Vantrel Repair"
LangString REPAIR_WORK_TITLE ${LANG_FRENCH} "Réparation"
LangString REPAIR_WORK_TITLE ${LANG_ENGLISH} "Repairing"
LangString REPAIR_WORK_TEXT ${LANG_FRENCH} "Veuillez patienter pendant la réparation de Vantrel."
LangString REPAIR_WORK_TEXT ${LANG_ENGLISH} "Please wait while Vantrel is being repaired."
LangString REPAIR_TITLE ${LANG_FRENCH} "Vantrel est réparé"
LangString REPAIR_TITLE ${LANG_ENGLISH} "Vantrel is repaired"
LangString REPAIR_TEXT ${LANG_FRENCH} "Les fichiers et les raccourcis de Vantrel ont été remis en place. Vos réglages n'ont pas changé.$\r$\n$\r$\nCliquez sur Fermer pour quitter l'outil de réparation."
LangString REPAIR_TEXT ${LANG_ENGLISH} "Vantrel's files and shortcuts have been put back. Your settings have not changed.$\r$\n$\r$\nClick Finish to close the repair tool."
LangString REPAIR_OTHER ${LANG_FRENCH} "Cet outil de réparation répare Vantrel, et non « $0 »."
LangString REPAIR_OTHER ${LANG_ENGLISH} "This repair tool repairs Vantrel, not $\"$0$\"."
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

; A repair writes every file again, except one in use (the program, which started the repair,
; its language library, an open help file): that one is there, and is left as it is. An
; installation over a running program asks to close it instead. The overwrite mode belongs to each
; File at build time, hence two of each; the data is stored once.
!macro InstallFile SOURCE
    ${If} $Repair == 1
        SetOverwrite try
        File "${SOURCE}"
        SetOverwrite on
    ${Else}
        File "${SOURCE}"
    ${EndIf}
!macroend

Section "!$(SEC_PROGRAM)" SecProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    !insertmacro InstallFile "${PAYLOAD}/Vantrel.exe"
    !insertmacro InstallFile "${PAYLOAD}/${UPDATE_TOOL}"
    ; The repair tool is this installer, kept in the program folder; a repair runs that copy,
    ; which cannot write over itself.
    ${If} "$EXEPATH" != "$INSTDIR\${REPAIR_TOOL}"
        CopyFiles /SILENT /FILESONLY "$EXEPATH" "$INSTDIR\${REPAIR_TOOL}"
    ${EndIf}
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    WriteRegStr HKLM "${REPAIR_KEY}" "Chemin" "$INSTDIR\${REPAIR_TOOL}"
    WriteRegStr HKLM "${UPDATE_KEY}" "Chemin" "$INSTDIR\${UPDATE_TOOL}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vantrel"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vantrel.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    ; The program's own addresses: its About box's site, its help page, its support address.
    WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${SITE_ADDRESS}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "HelpLink" "${HELP_ADDRESS}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Contact" "${SUPPORT_ADDRESS}"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    ; Add/Remove Programs can start no repair of its own for an installer like this one; the
    ; program's options page starts the repair tool.
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "$(SEC_HELP)" SecHelp
    SetOutPath "$INSTDIR"
    !insertmacro InstallFile "${BINDIR}/Vantrel.chm"
SectionEnd

Section "$(SEC_QUIZ)" SecQuiz
    SetOutPath "$INSTDIR"
    !insertmacro InstallFile "${PAYLOAD}/quiz.exe"
SectionEnd

!ifdef HAVE_LANGUE_EN
Section "$(SEC_ENGLISH)" SecEnglish
    SetOutPath "$INSTDIR"
    !insertmacro InstallFile "${BINDIR}/langue_en.dll"
SectionEnd
!endif

; For every user of the machine, like the program folder. The shortcuts start in the program
; folder (the output path), where the program finds its quiz and help.
Section "$(SEC_STARTMENU)" SecStartMenu
    SetOutPath "$INSTDIR"
    SetShellVarContext all
    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\${LINK_PROGRAM}" "$INSTDIR\Vantrel.exe"
    ${If} ${SectionIsSelected} ${SecQuiz}
        CreateShortcut "${MENU_FOLDER}\${LINK_QUIZ}" "$INSTDIR\quiz.exe"
    ${EndIf}
    ${If} ${SectionIsSelected} ${SecHelp}
        CreateShortcut "${MENU_FOLDER}\${LINK_HELP}" "$INSTDIR\Vantrel.chm"
    ${EndIf}
SectionEnd

Section /o "$(SEC_DESKTOP)" SecDesktop
    SetOutPath "$INSTDIR"
    SetShellVarContext all
    CreateShortcut "$DESKTOP\${LINK_PROGRAM}" "$INSTDIR\Vantrel.exe"
SectionEnd

; What an earlier installation brought and this one leaves out goes, so that the folder holds
; what was chosen; then the entry records the choice for the repair, and the size.
Section "-Choice"
    SetShellVarContext all
    ${IfNot} ${SectionIsSelected} ${SecHelp}
        Delete "$INSTDIR\Vantrel.chm"
        Delete "${MENU_FOLDER}\${LINK_HELP}"
    ${EndIf}
    ${IfNot} ${SectionIsSelected} ${SecQuiz}
        Delete "$INSTDIR\quiz.exe"
        Delete "${MENU_FOLDER}\${LINK_QUIZ}"
    ${EndIf}
!ifdef HAVE_LANGUE_EN
    ${IfNot} ${SectionIsSelected} ${SecEnglish}
!endif
        Delete "$INSTDIR\langue_en.dll"
!ifdef HAVE_LANGUE_EN
    ${EndIf}
!endif
    ${IfNot} ${SectionIsSelected} ${SecStartMenu}
        Delete "${MENU_FOLDER}\${LINK_PROGRAM}"
        Delete "${MENU_FOLDER}\${LINK_QUIZ}"
        Delete "${MENU_FOLDER}\${LINK_HELP}"
        RMDir "${MENU_FOLDER}"
    ${EndIf}
    ${IfNot} ${SectionIsSelected} ${SecDesktop}
        Delete "$DESKTOP\${LINK_PROGRAM}"
    ${EndIf}

    Call ChosenComponents
    Pop $0
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Components" "$0"
    ; In KiB, as Add/Remove Programs reads it.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "$(DESC_PROGRAM)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SecHelp} "$(DESC_HELP)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SecQuiz} "$(DESC_QUIZ)"
!ifdef HAVE_LANGUE_EN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecEnglish} "$(DESC_ENGLISH)"
!endif
    !insertmacro MUI_DESCRIPTION_TEXT ${SecStartMenu} "$(DESC_STARTMENU)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "$(DESC_DESKTOP)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Selects SECTION when NAME is in the comma-separated LIST (in commas itself), unselects it
; otherwise.
!macro SelectNamed LIST NAME SECTION
    ${StrStr} $R9 "${LIST}" ",${NAME},"
    ${If} $R9 == ""
        !insertmacro UnselectSection ${SECTION}
    ${Else}
        !insertmacro SelectSection ${SECTION}
    ${EndIf}
!macroend

; The components besides the program, named as /COMPONENTS names them (on the stack in, none
; out): the program is always there.
Function SelectComponents
    Exch $R8
    Push $R9
    StrCpy $R8 ",$R8,"
    !insertmacro SelectNamed $R8 help ${SecHelp}
    !insertmacro SelectNamed $R8 quiz ${SecQuiz}
!ifdef HAVE_LANGUE_EN
    !insertmacro SelectNamed $R8 english ${SecEnglish}
!endif
    !insertmacro SelectNamed $R8 startmenu ${SecStartMenu}
    !insertmacro SelectNamed $R8 desktop ${SecDesktop}
    Pop $R9
    Pop $R8
FunctionEnd

; The chosen components in /COMPONENTS form, on the stack.
Function ChosenComponents
    Push $R8
    StrCpy $R8 ""
    ${If} ${SectionIsSelected} ${SecHelp}
        StrCpy $R8 "$R8,help"
    ${EndIf}
    ${If} ${SectionIsSelected} ${SecQuiz}
        StrCpy $R8 "$R8,quiz"
    ${EndIf}
!ifdef HAVE_LANGUE_EN
    ${If} ${SectionIsSelected} ${SecEnglish}
        StrCpy $R8 "$R8,english"
    ${EndIf}
!endif
    ${If} ${SectionIsSelected} ${SecStartMenu}
        StrCpy $R8 "$R8,startmenu"
    ${EndIf}
    ${If} ${SectionIsSelected} ${SecDesktop}
        StrCpy $R8 "$R8,desktop"
    ${EndIf}
    StrCpy $R8 $R8 "" 1
    Exch $R8
FunctionEnd

Function .onInit
    StrCpy $Repair 0
    StrCpy $Caption "$(SETUP_CAPTION)"
    StrCpy $WorkTitle "$(MUI_TEXT_INSTALLING_TITLE)"
    StrCpy $WorkText "$(MUI_TEXT_INSTALLING_SUBTITLE)"
    StrCpy $FinishTitle "$(MUI_TEXT_FINISH_INFO_TITLE)"
    StrCpy $FinishText "$(MUI_TEXT_FINISH_INFO_TEXT)"
    ${GetParameters} $R0

    ClearErrors
    ${GetOptions} $R0 "/CONFIG:" $0
    ${IfNot} ${Errors}
        ; The product in double quotes, as the program passes it.
        StrCpy $1 $0 1
        ${If} $1 == '"'
            StrCpy $0 $0 "" 1
            StrCpy $1 $0 1 -1
            ${If} $1 == '"'
                StrCpy $0 $0 -1
            ${EndIf}
        ${EndIf}
        ${If} $0 != "${PRODUCT}"
            MessageBox MB_OK|MB_ICONEXCLAMATION "$(REPAIR_OTHER)" /SD IDOK
            SetErrorLevel 2
            Quit
        ${EndIf}
        StrCpy $Repair 1
        ; The tool lives in the program folder; the entry may be what needs repairing.
        StrCpy $INSTDIR $EXEDIR
        ClearErrors
        ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "Components"
        ${IfNot} ${Errors}
            Push $R0
            Call SelectComponents
        ${EndIf}
        StrCpy $Caption "$(REPAIR_CAPTION)"
        StrCpy $WorkTitle "$(REPAIR_WORK_TITLE)"
        StrCpy $WorkText "$(REPAIR_WORK_TEXT)"
        StrCpy $FinishTitle "$(REPAIR_TITLE)"
        StrCpy $FinishText "$(REPAIR_TEXT)"
        Return
    ${EndIf}

    ClearErrors
    ${GetOptions} $R0 "/COMPONENTS=" $0
    ${IfNot} ${Errors}
        Push $0
        Call SelectComponents
    ${EndIf}
FunctionEnd

Function SkipWhenRepairing
    ${If} $Repair == 1
        Abort
    ${EndIf}
FunctionEnd

; After a repair the program may well be running already: nothing to start.
Function FinishShow
    ${If} $Repair == 1
        SendMessage $mui.FinishPage.Run ${BM_SETCHECK} ${BST_UNCHECKED} 0
        ShowWindow $mui.FinishPage.Run ${SW_HIDE}
    ${EndIf}
FunctionEnd

; Only what the installer put there goes: anything the user added keeps the folders.
Section "-un.Vantrel"
    SetShellVarContext all
    Delete "${MENU_FOLDER}\${LINK_PROGRAM}"
    Delete "${MENU_FOLDER}\${LINK_QUIZ}"
    Delete "${MENU_FOLDER}\${LINK_HELP}"
    RMDir "${MENU_FOLDER}"
    Delete "$DESKTOP\${LINK_PROGRAM}"

    Delete "$INSTDIR\Vantrel.exe"
    Delete "$INSTDIR\quiz.exe"
    Delete "$INSTDIR\Vantrel.chm"
    ; Also when this build had none: an earlier version installed here may have brought it.
    Delete "$INSTDIR\langue_en.dll"
    Delete "$INSTDIR\${UPDATE_TOOL}"
    Delete "$INSTDIR\${REPAIR_TOOL}"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    ; The maker's folder only when it is the default one and nothing else is in it.
    ${GetParent} "$INSTDIR" $0
    ${If} $0 == "$PROGRAMFILES64\${PUBLISHER}"
        RMDir "$0"
    ${EndIf}

    ; The tools' keys only while they name the tools of this folder: another of the maker's
    ; programs may have registered its own since.
    ReadRegStr $0 HKLM "${REPAIR_KEY}" "Chemin"
    ${If} $0 == "$INSTDIR\${REPAIR_TOOL}"
        DeleteRegKey HKLM "${REPAIR_KEY}"
    ${EndIf}
    ReadRegStr $0 HKLM "${UPDATE_KEY}" "Chemin"
    ${If} $0 == "$INSTDIR\${UPDATE_TOOL}"
        DeleteRegKey HKLM "${UPDATE_KEY}"
    ${EndIf}
    DeleteRegKey /ifempty HKLM "Software\${PUBLISHER}"

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
    ; /REMOVESETTINGS ticks the box: the only way a silent uninstall removes the settings.
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/REMOVESETTINGS" $R1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecRemoveSettings}
    ${EndIf}
FunctionEnd
