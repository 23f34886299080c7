; The QX Amorix installer for 64-bit Windows. Built by make windows:
;   makensis -DVERSION=<version> -DPROGRAM=amorix.exe -DICON=amorix.ico -DLICENSE=LICENSE.txt
;            -DNOTICES=THIRD-PARTY-NOTICES.txt -DOUTPUT=setup.exe amorix.nsi
; Welcome, licence, for whom (this user alone, no administrator needed, or
; all users), components (a desktop shortcut, off by default), folder,
; progress and finish pages with "Run QX Amorix". Installs the program, its
; licence and the third-party notices, a Start-menu shortcut and an
; uninstaller with a complete entry in Apps and Features. An install over an
; earlier one goes to the same place and leaves one entry and one shortcut.
; Neither the installer nor the uninstaller touches anything while the
; program runs: they say so and wait, and a silent run (/S) ends with
; status 2 and changes nothing.
Target amd64-unicode
ManifestDPIAware true
ManifestSupportedOS all

Unicode true
!define NAME "QX Amorix"
!define PUBLISHER "Velmora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QX Amorix"
!define RUNNING_MUTEX "QXAmorixRunning"

Name "${NAME}"
Caption "$(InstallerCaption)"
UninstallCaption "$(UninstallerCaption)"
BrandingText "${NAME} ${VERSION}"
OutFile "${OUTPUT}"
SetCompressor /SOLID lzma
; A file that cannot be written stops the install: no "Ignore".
AllowSkipFiles off

; Per user or for all users; an earlier install's choice is kept, and /S
; takes /CurrentUser or /AllUsers.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${NAME}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "UninstallString"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include "MultiUser.nsh"
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "x64.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; A welcome that assumes nobody's gender: NSIS's own, but where it says
; "Bienvenido" or "Bem-vindo".
!define MUI_WELCOMEPAGE_TITLE "$(WelcomeTitle)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
; The for-whom page in the installer's own words: NSIS's Spanish ones have a
; typo, a missing space, an abbreviation and an old spelling; the other
; languages keep NSIS's wording.
!define MULTIUSER_INSTALLMODEPAGE_TEXT_TOP "$(InstallModeTop)"
!define MULTIUSER_INSTALLMODEPAGE_TEXT_ALLUSERS "$(InstallModeAllUsers)"
!define MULTIUSER_INSTALLMODEPAGE_TEXT_CURRENTUSER "$(InstallModeCurrentUser)"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\amorix.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(RunProgram)"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The installer speaks the user's display language where it has it,
; English otherwise. Its own texts keep the address of NSIS's pages.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "PortugueseBR"
LangString WelcomeTitle ${LANG_ENGLISH} "Welcome to ${NAME} Setup"
LangString WelcomeTitle ${LANG_GERMAN} "Willkommen zur Installation$\r$\nvon ${NAME}"
LangString WelcomeTitle ${LANG_SPANISH} "Le damos la bienvenida a la instalación de ${NAME}"
LangString WelcomeTitle ${LANG_FRENCH} "Bienvenue dans le programme d'installation de ${NAME}"
LangString WelcomeTitle ${LANG_ITALIAN} "Installazione di ${NAME}"
LangString WelcomeTitle ${LANG_PORTUGUESEBR} "Boas-vindas à instalação do ${NAME}"
LangString InstallerCaption ${LANG_ENGLISH} "${NAME} ${VERSION} Setup"
LangString InstallerCaption ${LANG_GERMAN} "${NAME} ${VERSION} Installation"
LangString InstallerCaption ${LANG_SPANISH} "Instalación de ${NAME} ${VERSION}"
LangString InstallerCaption ${LANG_FRENCH} "Installation de ${NAME} ${VERSION}"
LangString InstallerCaption ${LANG_ITALIAN} "Installazione di ${NAME} ${VERSION}"
LangString InstallerCaption ${LANG_PORTUGUESEBR} "Instalação do ${NAME} ${VERSION}"
LangString UninstallerCaption ${LANG_ENGLISH} "${NAME} ${VERSION} Uninstall"
LangString UninstallerCaption ${LANG_GERMAN} "${NAME} ${VERSION} Deinstallation"
LangString UninstallerCaption ${LANG_SPANISH} "Desinstalación de ${NAME} ${VERSION}"
LangString UninstallerCaption ${LANG_FRENCH} "Désinstallation de ${NAME} ${VERSION}"
LangString UninstallerCaption ${LANG_ITALIAN} "Disinstallazione di ${NAME} ${VERSION}"
LangString UninstallerCaption ${LANG_PORTUGUESEBR} "Desinstalação do ${NAME} ${VERSION}"
LangString RunProgram ${LANG_ENGLISH} "Run ${NAME}"
LangString RunProgram ${LANG_GERMAN} "${NAME} starten"
LangString RunProgram ${LANG_SPANISH} "Ejecutar ${NAME}"
LangString RunProgram ${LANG_FRENCH} "Lancer ${NAME}"
LangString RunProgram ${LANG_ITALIAN} "Avvia ${NAME}"
LangString RunProgram ${LANG_PORTUGUESEBR} "Executar o ${NAME}"
LangString IsRunning ${LANG_ENGLISH} "${NAME} is running. Please close it (File, Exit, then Exit), then click Retry."
LangString IsRunning ${LANG_GERMAN} "${NAME} läuft. Bitte schließen Sie es (Datei, Beenden, dann Beenden) und klicken Sie dann auf Wiederholen."
LangString IsRunning ${LANG_SPANISH} "${NAME} está abierto. Ciérrelo (Archivo, Salir y luego Salir) y pulse Reintentar."
LangString IsRunning ${LANG_FRENCH} "${NAME} est ouvert. Fermez-le (Fichier, Quitter, puis Quitter) et cliquez sur Réessayer."
LangString IsRunning ${LANG_ITALIAN} "${NAME} è aperto. Chiudi il programma (File, Esci, poi Esci), quindi seleziona 'Riprova'."
LangString IsRunning ${LANG_PORTUGUESEBR} "O ${NAME} está aberto. Feche-o (Arquivo, Sair e depois Sair) e clique em Repetir."
LangString Needs64Bit ${LANG_ENGLISH} "${NAME} needs 64-bit Windows."
LangString Needs64Bit ${LANG_GERMAN} "${NAME} benötigt ein 64-Bit-Windows."
LangString Needs64Bit ${LANG_SPANISH} "${NAME} necesita Windows de 64 bits."
LangString Needs64Bit ${LANG_FRENCH} "${NAME} nécessite Windows 64 bits."
LangString Needs64Bit ${LANG_ITALIAN} "${NAME} richiede Windows a 64 bit."
LangString Needs64Bit ${LANG_PORTUGUESEBR} "O ${NAME} precisa do Windows de 64 bits."
LangString InUse ${LANG_ENGLISH} "${NAME} could not be removed because it is in use. Close it and uninstall again."
LangString InUse ${LANG_GERMAN} "${NAME} konnte nicht entfernt werden, weil es verwendet wird. Schließen Sie es und starten Sie die Deinstallation erneut."
LangString InUse ${LANG_SPANISH} "No se pudo quitar ${NAME} porque está en uso. Ciérrelo y vuelva a desinstalarlo."
LangString InUse ${LANG_FRENCH} "${NAME} n'a pas pu être supprimé car il est en cours d'utilisation. Fermez-le et relancez la désinstallation."
LangString InUse ${LANG_ITALIAN} "Impossibile rimuovere ${NAME} perché è in uso. Chiudi il programma e avvia di nuovo la disinstallazione."
LangString InUse ${LANG_PORTUGUESEBR} "Não foi possível remover o ${NAME} porque ele está em uso. Feche-o e inicie a desinstalação novamente."
; The page's Spanish subtitle in words of the installer's own too (NSIS's
; abbreviates "usted"), set over NSIS's on purpose.
!pragma warning push
!pragma warning disable 6030
LangString MULTIUSER_TEXT_INSTALLMODE_SUBTITLE ${LANG_SPANISH} "Elija para quién desea instalar $(^NameDA)."
!pragma warning pop
LangString InstallModeTop ${LANG_ENGLISH} "Select whether you want to install $(^NameDA) only for yourself or for all users of this computer. $(^ClickNext)"
LangString InstallModeTop ${LANG_GERMAN} "Wählen Sie aus, ob Sie $(^NameDA) nur für den eigenen Gebrauch oder für die Nutzung durch alle Benutzer dieses Systems installieren möchten. $(^ClickNext)"
LangString InstallModeTop ${LANG_SPANISH} "Elija si desea instalar $(^NameDA) solo para usted o para todas las personas que usan este ordenador. $(^ClickNext)"
LangString InstallModeTop ${LANG_FRENCH} "Choix entre installer $(^NameDA) seulement pour vous-même ou bien pour tous les utilisateurs du système. $(^ClickNext)"
LangString InstallModeTop ${LANG_ITALIAN} "Seleziona se vuoi installare $(^NameDA) solo per questo utente o per tutti gli utenti di questo sistema. $(^ClickNext)"
LangString InstallModeTop ${LANG_PORTUGUESEBR} "Selecione se você quer instalar o $(^NameDA) somente para você ou para todos os usuários deste computador. $(^ClickNext)"
LangString InstallModeAllUsers ${LANG_ENGLISH} "Install for anyone using this computer"
LangString InstallModeAllUsers ${LANG_GERMAN} "Installation für alle Benutzer dieses Computers"
LangString InstallModeAllUsers ${LANG_SPANISH} "Instalación para cualquier persona que use este ordenador"
LangString InstallModeAllUsers ${LANG_FRENCH} "Installer pour tous les utilisateurs"
LangString InstallModeAllUsers ${LANG_ITALIAN} "Installazione per tutti gli utenti"
LangString InstallModeAllUsers ${LANG_PORTUGUESEBR} "Instalar para todos os usuários deste computador"
LangString InstallModeCurrentUser ${LANG_ENGLISH} "Install just for me"
LangString InstallModeCurrentUser ${LANG_GERMAN} "Installation nur für mich"
LangString InstallModeCurrentUser ${LANG_SPANISH} "Instalación solo para mí"
LangString InstallModeCurrentUser ${LANG_FRENCH} "Installer seulement pour moi"
LangString InstallModeCurrentUser ${LANG_ITALIAN} "Installazione per il singolo utente"
LangString InstallModeCurrentUser ${LANG_PORTUGUESEBR} "Instalar somente para mim"
LangString DesktopShortcut ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopShortcut ${LANG_GERMAN} "Desktop-Verknüpfung"
LangString DesktopShortcut ${LANG_SPANISH} "Acceso directo"
LangString DesktopShortcut ${LANG_FRENCH} "Raccourci sur le Bureau"
LangString DesktopShortcut ${LANG_ITALIAN} "Collegamento sul desktop"
LangString DesktopShortcut ${LANG_PORTUGUESEBR} "Atalho"
LangString ProgramDescription ${LANG_ENGLISH} "The program, its licence and the third-party notices."
LangString ProgramDescription ${LANG_GERMAN} "Das Programm, seine Lizenz und die Hinweise zu Software Dritter."
LangString ProgramDescription ${LANG_SPANISH} "El programa, su licencia y los avisos de terceros."
LangString ProgramDescription ${LANG_FRENCH} "Le programme, sa licence et les mentions des logiciels tiers."
LangString ProgramDescription ${LANG_ITALIAN} "Il programma, la sua licenza e le note sui software di terze parti."
LangString ProgramDescription ${LANG_PORTUGUESEBR} "O programa, sua licença e os avisos de terceiros."
LangString DesktopDescription ${LANG_ENGLISH} "A shortcut to ${NAME} on the desktop."
LangString DesktopDescription ${LANG_GERMAN} "Eine Verknüpfung zu ${NAME} auf dem Desktop."
LangString DesktopDescription ${LANG_SPANISH} "Un acceso directo a ${NAME} en el escritorio."
LangString DesktopDescription ${LANG_FRENCH} "Un raccourci vers ${NAME} sur le Bureau."
LangString DesktopDescription ${LANG_ITALIAN} "Un collegamento a ${NAME} sul desktop."
LangString DesktopDescription ${LANG_PORTUGUESEBR} "Um atalho para o ${NAME} na área de trabalho."

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${NAME}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "© QX Amorix, MIT"

; Waits while a copy of the program runs (of this user or of any session),
; asking the user to close it; a silent run ends with status 2 at once.
!macro WAIT_WHILE_RUNNING UN
Function ${UN}waitWhileRunning
  ${Do}
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Global\${RUNNING_MUTEX}") p .r0'
    ${If} $0 = 0
      System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    ${EndIf}
    ${If} $0 = 0
      Return
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "$(IsRunning)" /SD IDCANCEL IDRETRY again
    SetErrorLevel 2
    Abort ; in .onInit and un.onInit: ends the run before anything is done
    again:
  ${Loop}
FunctionEnd
!macroend
!insertmacro WAIT_WHILE_RUNNING ""
!insertmacro WAIT_WHILE_RUNNING "un."

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "$(Needs64Bit)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  SetRegView 64
  !insertmacro MULTIUSER_INIT
  Call waitWhileRunning
FunctionEnd

Section "${NAME}" SectionProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=amorix.exe" "${PROGRAM}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  File "/oname=THIRD-PARTY-NOTICES.txt" "${NOTICES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\amorix.exe"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\amorix.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "http://amorix.velmora.example/"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "HelpLink" "http://amorix.velmora.example/amorix-help.html"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(DesktopShortcut)" SectionDesktop
  CreateShortcut "$DESKTOP\${NAME}.lnk" "$INSTDIR\amorix.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "$(ProgramDescription)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "$(DesktopDescription)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
  Call un.waitWhileRunning
FunctionEnd

Section "Uninstall"
  Delete "$INSTDIR\amorix.exe"
  ; A program file still there (in use after all) keeps everything else, the
  ; entry in Apps and Features included, so that the uninstall can be run
  ; again; it is never reported as done.
  ${If} ${FileExists} "$INSTDIR\amorix.exe"
    MessageBox MB_ICONSTOP "$(InUse)" /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
  Delete "$SMPROGRAMS\${NAME}.lnk"
  Delete "$DESKTOP\${NAME}.lnk"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
