; Kalmeno's installer for Windows: one user's install, without administrator
; rights (school accounts). makensis -DVERSION=… -DSOURCE=<portable folder>
; -DSORTIE=<setup.exe> -DICONE=<kalmeno.ico> kalmeno.nsi
;
; The program goes into %LOCALAPPDATA%\Programs\Kalmeno and is never written
; to; the start folder, where Kalmeno reads its pictures, data files and
; companion programs and writes the pupils' colour settings, is the user's own
; %LOCALAPPDATA%\Kalmeno. The installer puts the start-folder files there (and
; renews them at each install); the uninstaller removes only those files, so
; whatever a pupil saved there stays.

Unicode true
; Kalmeno is a 64-bit program: so is its installer.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"

Name "Kalmeno ${VERSION}"
OutFile "${SORTIE}"
InstallDir "$LOCALAPPDATA\Programs\Kalmeno"
InstallDirRegKey HKCU "Software\Kalmeno" "Dossier"
BrandingText "Kalmeno ${VERSION}"

!define CLE_DESINSTALLATION "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalmeno"
!define MUI_ICON "${ICONE}"
!define MUI_UNICON "${ICONE}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION LancerKalmeno

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

; The start-folder files, as the portable folder holds them.
!macro FICHIERS_DEPART action
  ${action} "" "an.bmp"
  ${action} "" "k.bmp"
  ${action} "" "na.bmp"
  ${action} "" "fl_i_e.bmp"
  ${action} "" "fl_e_i.bmp"
  ${action} "" "ess0.nst"
  ${action} "\terplux" "terplux.exe"
  ${action} "\mavoren" "mavoren.exe"
  ${action} "\cassybio" "cassybio.pif"
  ${action} "\cassybio" "cassybio.sav"
  ${action} "\cassybio\electro" "&refr~A.exw"
  ${action} "\cassybio\electro" "&recr~A.exw"
  ${action} "\cassybio\electro" "&revol~A.exw"
  ${action} "\cassybio" "cassybio.ppp" ; "CASSYBIO" is the same folder here
!macroend

!macro POSER dossier nom
  SetOutPath "$LOCALAPPDATA\Kalmeno${dossier}"
  File "${SOURCE}${dossier}\${nom}"
!macroend
!define POSER "!insertmacro POSER"

!macro OTER dossier nom
  Delete "$LOCALAPPDATA\Kalmeno${dossier}\${nom}"
!macroend
!define OTER "!insertmacro OTER"

Section "Kalmeno (programme et dossier de départ)" SecKalmeno
  SectionIn RO
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}\*.*"
  ; The user's start folder.
  CreateDirectory "$LOCALAPPDATA\Kalmeno"
  !insertmacro FICHIERS_DEPART "${POSER}"
  WriteUninstaller "$INSTDIR\desinstaller.exe"
  ; The Start menu's entry starts Kalmeno in the start folder.
  SetOutPath "$LOCALAPPDATA\Kalmeno"
  CreateShortcut "$SMPROGRAMS\Kalmeno.lnk" "$INSTDIR\kalmeno.exe" "" "$INSTDIR\kalmeno.exe" 0
  WriteRegStr HKCU "Software\Kalmeno" "Dossier" "$INSTDIR"
  WriteRegStr HKCU "${CLE_DESINSTALLATION}" "DisplayName" "Kalmeno"
  WriteRegStr HKCU "${CLE_DESINSTALLATION}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${CLE_DESINSTALLATION}" "Publisher" "Les développeurs de Kalmeno"
  WriteRegStr HKCU "${CLE_DESINSTALLATION}" "DisplayIcon" "$INSTDIR\kalmeno.exe"
  WriteRegStr HKCU "${CLE_DESINSTALLATION}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${CLE_DESINSTALLATION}" "UninstallString" '"$INSTDIR\desinstaller.exe"'
  WriteRegStr HKCU "${CLE_DESINSTALLATION}" "QuietUninstallString" '"$INSTDIR\desinstaller.exe" /S'
  WriteRegDWORD HKCU "${CLE_DESINSTALLATION}" "NoModify" 1
  WriteRegDWORD HKCU "${CLE_DESINSTALLATION}" "NoRepair" 1
SectionEnd

Section /o "Raccourci sur le bureau" SecBureau
  SetOutPath "$LOCALAPPDATA\Kalmeno"
  CreateShortcut "$DESKTOP\Kalmeno.lnk" "$INSTDIR\kalmeno.exe" "" "$INSTDIR\kalmeno.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecKalmeno} "Le programme, ses programmes compagnons et le dossier de départ de l'utilisateur."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecBureau} "Une icône de Kalmeno sur le bureau."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function LancerKalmeno
  SetOutPath "$LOCALAPPDATA\Kalmeno"
  Exec '"$INSTDIR\kalmeno.exe"'
FunctionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Kalmeno.lnk"
  Delete "$DESKTOP\Kalmeno.lnk"
  ; Only what the installer put in the start folder; its folders go when empty.
  !insertmacro FICHIERS_DEPART "${OTER}"
  RMDir "$LOCALAPPDATA\Kalmeno\cassybio\electro"
  RMDir "$LOCALAPPDATA\Kalmeno\cassybio"
  RMDir "$LOCALAPPDATA\Kalmeno\terplux"
  RMDir "$LOCALAPPDATA\Kalmeno\mavoren"
  RMDir "$LOCALAPPDATA\Kalmeno"
  ; The installed folder: what the installer put there, by name, then the
  ; folder itself if nothing else is left in it.
  IfFileExists "$INSTDIR\kalmeno.exe" 0 fin_programme
    RMDir /r "$INSTDIR\plugins"
    RMDir /r "$INSTDIR\translations"
    RMDir /r "$INSTDIR\polices"
    RMDir /r "$INSTDIR\terplux"
    RMDir /r "$INSTDIR\mavoren"
    RMDir /r "$INSTDIR\cassybio"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\*.bmp"
    Delete "$INSTDIR\ess0.nst"
    Delete "$INSTDIR\qt.conf"
    Delete "$INSTDIR\LISEZMOI.txt"
    Delete "$INSTDIR\kalmeno.exe"
    Delete "$INSTDIR\desinstaller.exe"
    RMDir "$INSTDIR"
  fin_programme:
  DeleteRegKey HKCU "${CLE_DESINSTALLATION}"
  DeleteRegKey HKCU "Software\Kalmeno"
SectionEnd
