; The programs' folder is of Program Files' kind: the system and administrators
; write it, users read and run what it holds. In Program Files a new folder
; inherits that. Elsewhere (/D=C:\VORTALIS) it would inherit its parent's
; access list, which on a drive's root lets every user add and replace files:
; an administrator's next upgrade would then run what they put there.

; Program Files' access list, as SDDL: the system and administrators all
; rights, users read and run (0x1200a9), for the folder and all it will hold;
; protected from the parent's.
!define PROGRAM_FILES_ACCESS "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)"
; A folder only the system and administrators may open at all.
!define ADMINISTRATORS_ONLY_ACCESS "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)"
!define /ifndef DACL_SECURITY_INFORMATION 4

; Where the setup program runs an uninstaller from (see
; MakeAdministratorsFolder), once made.
Var AdministratorsFolder

; Sets $0 to 1 when full path $1 lies under ROOT (compared without case).
!macro VORTALIS_IF_UNDER ROOT
  StrLen $2 "${ROOT}\"
  StrCpy $3 "$1\" $2
  ${If} $3 == "${ROOT}\"
    StrCpy $0 1
  ${EndIf}
!macroend

; $0: a folder; $0: 1 when it lies in Program Files (64- or 32-bit), else 0.
Function IsInProgramFiles
  Push $1
  Push $2
  Push $3
  ; "..\" and the like resolved first, the folder need not exist.
  System::Call 'kernel32::GetFullPathNameW(w r0, i ${NSIS_MAX_STRLEN}, w .r1, p 0) i .r2'
  ${If} $2 = 0
    StrCpy $1 $0
  ${EndIf}
  StrCpy $0 0
  !insertmacro VORTALIS_IF_UNDER "$PROGRAMFILES64"
  !insertmacro VORTALIS_IF_UNDER "$PROGRAMFILES32"
  Pop $3
  Pop $2
  Pop $1
FunctionEnd

; $1: an access list as SDDL; $1: a security descriptor holding it (to free
; with LocalFree), or 0 when the text is refused.
Function SecurityDescriptorOf
  Push $2
  System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w r1, i 1, *p .r1, p 0) i .r2'
  ${If} $2 = 0
    StrCpy $1 0
  ${EndIf}
  Pop $2
FunctionEnd

; Gives $INSTDIR Program Files' access list when it lies elsewhere: only the
; folder itself, whose new files then inherit it (whatever else it holds keeps
; its own). Sets the error flag when it could not.
Function ProtectProgramsFolder
  Push $0
  Push $1
  Push $2
  StrCpy $0 $INSTDIR
  Call IsInProgramFiles
  ${If} $0 = 0
    StrCpy $1 "${PROGRAM_FILES_ACCESS}"
    Call SecurityDescriptorOf
    StrCpy $2 0
    ${If} $1 <> 0
      System::Call 'advapi32::SetFileSecurityW(w "$INSTDIR", i ${DACL_SECURITY_INFORMATION}, p r1) i .r2'
      System::Call 'kernel32::LocalFree(p r1)'
    ${EndIf}
    ${If} $2 = 0
      SetErrors
    ${EndIf}
  ${EndIf}
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

; Makes $AdministratorsFolder: a new folder in Windows' own temporary folder,
; given at its making an access list that lets only administrators in. No
; program of an ordinary user (nor the same user's, unelevated) can put or
; swap a file there, nor rename the folder (Windows' temporary folder lets
; users remove only their own). Sets the error flag when it could not.
Function MakeAdministratorsFolder
  ${If} $AdministratorsFolder != ""
    Return
  ${EndIf}
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  StrCpy $1 "${ADMINISTRATORS_ONLY_ACCESS}"
  Call SecurityDescriptorOf
  ${If} $1 <> 0
    ; SECURITY_ATTRIBUTES, padded as a 64-bit compiler lays it out.
    System::Call '*(i 24, i 0, p r1, i 0, i 0) p .r3'
    System::Call 'kernel32::GetCurrentProcessId() i .r0'
    ${ForEach} $2 1 9 + 1
      System::Call 'kernel32::CreateDirectoryW(w "$WINDIR\Temp\vortalis-setup-$0-$2", p r3) i .r4'
      ${If} $4 <> 0
        StrCpy $AdministratorsFolder "$WINDIR\Temp\vortalis-setup-$0-$2"
        ${Break}
      ${EndIf}
    ${Next}
    System::Free $3
    System::Call 'kernel32::LocalFree(p r1)'
  ${EndIf}
  ${If} $AdministratorsFolder == ""
    SetErrors
  ${EndIf}
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

Function RemoveAdministratorsFolder
  ${If} $AdministratorsFolder != ""
    RMDir /r $AdministratorsFolder
    StrCpy $AdministratorsFolder ""
  ${EndIf}
FunctionEnd
