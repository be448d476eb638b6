; Started without _?=, the uninstaller runs from a copy of itself that NSIS
; makes in %TEMP%\~nsuX.tmp and asks Windows to remove at the next start: the
; folder first, then the copy in it. The folder, not empty when its turn
; comes, would stay for good; asked again, after the copy, it goes too.

!define /ifndef MOVEFILE_DELAY_UNTIL_REBOOT 4

Function un.RemoveOwnCopyAtRestart
  Push $0
  Push $1
  StrLen $0 "$TEMP\~nsu"
  StrCpy $1 $EXEDIR $0
  ${If} $1 == "$TEMP\~nsu"
  ${AndIf} $EXEDIR != $INSTDIR
    System::Call 'kernel32::MoveFileExW(w "$EXEDIR", p 0, i ${MOVEFILE_DELAY_UNTIL_REBOOT}) i .r0'
  ${EndIf}
  Pop $1
  Pop $0
FunctionEnd

Function un.onUninstSuccess
  Call un.RemoveOwnCopyAtRestart
FunctionEnd

Function un.onUninstFailed
  Call un.RemoveOwnCopyAtRestart
FunctionEnd
