; The Tavrix installer: installs for the current user without administrator
; rights, by default to %LOCALAPPDATA%\Programs\Tavrix, where the program
; folder stays writable for the macro file and the key-swap file beside it.
; An upgrade replaces only the program, its library and its help; macro
; files, key-swap files, .MAS files and TAVRX.INI are the user's and are
; never touched. scripts/package builds it:
;
;   makensis -DVERSION=1.0.0 -DPROGRAM=folder-of-TAVRXP.EXE -DHELP=help-folder
;            -DREADME=README.txt -DICON=tavrix.ico -DOUT=Tavrix-Setup.exe tavrix.nsi

Unicode true
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrix"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The main window's class, and its "Terminate and Unload" command.
!define MAIN_WINDOW_CLASS "TMainWin"
!define TERMINATE_AND_UNLOAD 702

Name "Tavrix"
OutFile "${OUT}"
InstallDir "$LOCALAPPDATA\Programs\Tavrix"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel user
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Tavrix"
VIAddVersionKey "FileDescription" "Tavrix Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\TAVRXP.EXE"
!define MUI_FINISHPAGE_RUN_TEXT "Start Tavrix now"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Asks a running Tavrix to terminate and unload, as its tray menu does, and
; waits (at most ten seconds) until its main window is gone.
!macro CLOSE_TAVRIX
  StrCpy $R1 0
  ${Do}
    FindWindow $R0 "${MAIN_WINDOW_CLASS}" ""
    ${If} $R0 = 0
    ${OrIf} $R1 >= 50
      ${ExitDo}
    ${EndIf}
    SendMessage $R0 ${WM_COMMAND} ${TERMINATE_AND_UNLOAD} 0 /TIMEOUT=2000
    Sleep 200
    IntOp $R1 $R1 + 1
  ${Loop}
!macroend

; Removes a file of the program, waiting (at most five seconds) for the
; program's process to let go of it. A library still loaded by another
; program can be renamed though not deleted: it is moved aside and deleted
; when Windows restarts.
!macro CLEAR_FILE path
  StrCpy $R1 0
  ${Do}
    Delete "${path}"
    ${IfNotThen} ${FileExists} "${path}" ${|} ${ExitDo} ${|}
    ${If} $R1 >= 25
      Delete "${path}.old"
      Rename "${path}" "${path}.old"
      Delete /REBOOTOK "${path}.old"
      ${ExitDo}
    ${EndIf}
    Sleep 200
    IntOp $R1 $R1 + 1
  ${Loop}
!macroend

Section "Tavrix" SecProgram
  SectionIn RO
  !insertmacro CLOSE_TAVRIX
  SetOutPath "$INSTDIR"
  !insertmacro CLEAR_FILE "$INSTDIR\TAVRXP.EXE"
  !insertmacro CLEAR_FILE "$INSTDIR\TVXHOOK.DLL"
  File "${PROGRAM}\TAVRXP.EXE"
  File "${PROGRAM}\TVXHOOK.DLL"
  File "/oname=README.txt" "${README}"
  SetOutPath "$INSTDIR\Help"
  File "${HELP}\*.html"
  File "${HELP}\*.css"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Tavrix.lnk" "$INSTDIR\TAVRXP.EXE" "" "$INSTDIR\TAVRXP.EXE" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tavrix"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\TAVRXP.EXE,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Start Tavrix when I sign in" SecStartup
  CreateShortCut "$SMSTARTUP\Tavrix.lnk" "$INSTDIR\TAVRXP.EXE" "" "$INSTDIR\TAVRXP.EXE" 0
SectionEnd

Section "un.Tavrix" UnSecProgram
  SectionIn RO
  !insertmacro CLOSE_TAVRIX
  !insertmacro CLEAR_FILE "$INSTDIR\TAVRXP.EXE"
  !insertmacro CLEAR_FILE "$INSTDIR\TVXHOOK.DLL"
  Delete "$INSTDIR\README.txt"
  ; The pages only: a folder the user chose may have held a Help folder of its own.
  Delete "$INSTDIR\Help\*.html"
  Delete "$INSTDIR\Help\tavrix.css"
  RMDir "$INSTDIR\Help"
  Delete "$SMPROGRAMS\Tavrix.lnk"
  Delete "$SMSTARTUP\Tavrix.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "Tavrix"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Delete "$INSTDIR\Uninstall.exe"
SectionEnd

; Off unless the user ticks it, and never in a silent uninstall.
Section /o "un.Also remove my macros and settings" UnSecData
  Delete "$INSTDIR\*.TVX"
  Delete "$INSTDIR\*.TVS"
  Delete "$INSTDIR\*.MAS"
  Delete "$INSTDIR\*.CUT"
  Delete "$INSTDIR\TempCap.Txt"
  Delete "$APPDATA\Tavrix\TAVRX.INI"
  RMDir "$APPDATA\Tavrix"
SectionEnd

Section "-un.Folder"
  ; Only an empty folder goes: whatever the user keeps there stays.
  RMDir "$INSTDIR"
SectionEnd
