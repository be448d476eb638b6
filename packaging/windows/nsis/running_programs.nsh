; Which of the suite's programs run from the folders the setup program is
; about to change, found as Windows shows it: the .exe of a running program
; cannot be opened for writing. No program that runs is replaced or removed:
; the user is asked to close it (never is it ended for them), and a silent
; run changes nothing and ends with status ${STATUS_PROGRAM_OPEN}.
; Needs VORTALIS_FOR_EACH_PROGRAM, which sets $R9 to each program's name,
; and $AbortReason, which the page shows when the setup program stops.

!define /ifndef IDCANCEL 2
!define /ifndef IDRETRY 4

; The names of the programs found open, as a sentence lists them: "Memoleaf",
; "Sealbox et Memoleaf", "Keyfold, Sealbox et Memoleaf".
Var HeldPrograms
Var LastHeldProgram
; The folders looked into: the installation's, and the earlier ones' that the
; setup program replaces (empty in the uninstaller).
Var EarlierFolder
Var LegacyFolder

!macro VORTALIS_RUNNING_PROGRAMS UN

; $0: 1 when file $0 exists and cannot be opened for writing.
Function ${UN}IsHeld
  ${If} ${FileExists} $0
    ClearErrors
    FileOpen $1 $0 a
    ${If} ${Errors}
      StrCpy $0 1
      Return
    ${EndIf}
    FileClose $1
  ${EndIf}
  StrCpy $0 0
FunctionEnd

; Adds program $R9 to $HeldPrograms when it is held in one of the folders.
Function ${UN}NoteIfHeld
  Push $0
  Push $1
  Push $2
  ${ForEach} $2 1 3 + 1
    ${Select} $2
      ${Case} 1
        StrCpy $0 $INSTDIR
      ${Case} 2
        StrCpy $0 $EarlierFolder
      ${Case} 3
        StrCpy $0 $LegacyFolder
    ${EndSelect}
    ${If} $0 != ""
      StrCpy $0 "$0\$R9.exe"
      Call ${UN}IsHeld
      ${If} $0 = 1
        ${If} $LastHeldProgram != ""
          ${If} $HeldPrograms == ""
            StrCpy $HeldPrograms $LastHeldProgram
          ${Else}
            StrCpy $HeldPrograms "$HeldPrograms, $LastHeldProgram"
          ${EndIf}
        ${EndIf}
        StrCpy $LastHeldProgram $R9
        ${Break}
      ${EndIf}
    ${EndIf}
  ${Next}
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

Function ${UN}FindHeldPrograms
  Push $R9
  StrCpy $HeldPrograms ""
  StrCpy $LastHeldProgram ""
  !insertmacro VORTALIS_FOR_EACH_PROGRAM ${UN}NoteIfHeld
  ${If} $HeldPrograms == ""
    StrCpy $HeldPrograms $LastHeldProgram
  ${ElseIf} $LastHeldProgram != ""
    StrCpy $HeldPrograms "$HeldPrograms et $LastHeldProgram"
  ${EndIf}
  Pop $R9
FunctionEnd

; Asks to close $HeldPrograms, saying why ($4), in a box whose buttons say
; Réessayer and Annuler whatever the language of Windows (a message box's
; buttons speak the system's). $0: IDRETRY or IDCANCEL.
Function ${UN}AskToClosePrograms
  StrCpy $1 "$(VORTALIS_RETRY)"
  StrCpy $2 "$(VORTALIS_CANCEL)"
  StrCpy $3 "$(VORTALIS_CLOSE_PROGRAMS)"
  !if "${UN}" == ""
    StrCpy $5 "$(VORTALIS_CAPTION)"
  !else
    StrCpy $5 "$(VORTALIS_REMOVAL_CAPTION)"
  !endif
  ; The buttons, then TASKDIALOGCONFIG, both packed as commctrl.h declares
  ; them: the title, the warning icon, the instruction and the text, the
  ; buttons (Réessayer first); Escape cancels; the box stands over the window.
  System::Call '*(i ${IDRETRY}, w r1, i ${IDCANCEL}, w r2) p .r1'
  System::Call '*(i 160, p $HWNDPARENT, p 0, i 0x1008, i 0, w r5, p 65535, w r3, w r4, i 2, p r1, i ${IDRETRY}, i 0, p 0, i 0, p 0, p 0, p 0, p 0, p 0, p 0, p 0, p 0, i 0) p .r2'
  System::Call 'comctl32::TaskDialogIndirect(p r2, *i .r0, p 0, p 0) i .r5'
  System::Free $2
  System::Free $1
  ; Without the common controls' task dialog, a message box.
  ${If} $5 != 0
    ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$3$\r$\n$\r$\n$4" IDRETRY`
      StrCpy $0 ${IDRETRY}
    ${Else}
      StrCpy $0 ${IDCANCEL}
    ${EndIf}
  ${EndIf}
FunctionEnd

; Waits until no program of the suite runs from the folders: those found are
; named in a box (Réessayer looks again, Annuler stops). A silent run, and
; Annuler, stop the setup program or the uninstaller there, nothing changed.
Function ${UN}WaitForClosedPrograms
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  Push $5
  ${Do}
    Call ${UN}FindHeldPrograms
    ${If} $HeldPrograms == ""
      ${Break}
    ${EndIf}
    !if "${UN}" == ""
      StrCpy $4 "$(VORTALIS_INSTALL_WAITS)"
      StrCpy $AbortReason "$(VORTALIS_INSTALL_REFUSED)"
    !else
      StrCpy $4 "$(VORTALIS_REMOVAL_WAITS)"
      StrCpy $AbortReason "$(VORTALIS_REMOVAL_REFUSED)"
    !endif
    StrCpy $0 ${IDCANCEL}
    ${IfNot} ${Silent}
      Call ${UN}AskToClosePrograms
    ${EndIf}
    ${If} $0 != ${IDRETRY}
      DetailPrint $AbortReason
      SetErrorLevel ${STATUS_PROGRAM_OPEN}
      Abort
    ${EndIf}
  ${Loop}
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

!macroend
