; An installation made before goes before this one is copied, by an
; uninstaller, so that no file of it stays: the one the suite's entry names,
; and the one under the key its earlier setup programs used ("VORTALIS",
; which the product's own setup may use too: that entry is the suite's only
; when it bears the suite's name). Never is a program run from a folder users
; might have written: the uninstaller runs from a folder only administrators
; may write, and it is the installation's own only in Program Files; anywhere
; else, this setup program's.
; Needs the folders of running_programs.nsh, folder_security.nsh and
; VORTALIS_FOR_EACH_PROGRAM.

; 1 when the suite has an entry under the earlier key, to remove once done.
Var LegacyEntry

; Sets $EarlierFolder and $LegacyFolder to the installations' folders (empty
; when there is none, or when both entries name the same).
Function FindEarlierInstallations
  Push $0
  ReadRegStr $EarlierFolder HKLM "${UNINSTALL_KEY}" "InstallLocation"
  StrCpy $LegacyEntry 0
  StrCpy $LegacyFolder ""
  ReadRegStr $0 HKLM "${LEGACY_UNINSTALL_KEY}" "DisplayName"
  ${If} $0 == "${LEGACY_DISPLAY_NAME}"
    StrCpy $LegacyEntry 1
    ReadRegStr $LegacyFolder HKLM "${LEGACY_UNINSTALL_KEY}" "InstallLocation"
    ${If} $LegacyFolder == $EarlierFolder
      StrCpy $LegacyFolder ""
    ${EndIf}
  ${EndIf}
  Pop $0
FunctionEnd

; $R8: a folder; $R7: the name of a program of the suite still in it, or empty.
Function NoteProgramLeft
  ${If} ${FileExists} "$R8\$R9.exe"
    StrCpy $R7 $R9
  ${EndIf}
FunctionEnd

; Removes the installation in folder $0 by its uninstaller, or stops the
; setup program: when the uninstaller fails (its status is not 0) or leaves a
; program behind, as those of the earlier setup programs did with status 0.
; Without an uninstaller, the folder is left to the files copied over it.
Function RemoveInstallationIn
  Push $1
  Push $R7
  Push $R8
  Push $R9
  StrCpy $R8 $0
  ${If} ${FileExists} "$R8\${UNINSTALLER}"
    ClearErrors
    Call MakeAdministratorsFolder
    ${If} ${Errors}
      !insertmacro VORTALIS_STOP "$(VORTALIS_NO_SAFE_FOLDER)" ${STATUS_NOT_DONE}
    ${EndIf}
    Call IsInProgramFiles
    ${If} $0 = 1
      CopyFiles /SILENT /FILESONLY "$R8\${UNINSTALLER}" $AdministratorsFolder
    ${Else}
      WriteUninstaller "$AdministratorsFolder\${UNINSTALLER}"
    ${EndIf}
    ; _?= runs it on that folder, from where it lies, and waits for it.
    ClearErrors
    ExecWait '"$AdministratorsFolder\${UNINSTALLER}" /S _?=$R8' $1
    ${If} ${Errors}
      StrCpy $1 "?"
    ${EndIf}
    Delete "$AdministratorsFolder\${UNINSTALLER}"
    ${If} $1 != 0
      StrCpy $0 $R8
      !insertmacro VORTALIS_STOP "$(VORTALIS_EARLIER_NOT_REMOVED)" ${STATUS_NOT_DONE}
    ${EndIf}
    StrCpy $R7 ""
    !insertmacro VORTALIS_FOR_EACH_PROGRAM NoteProgramLeft
    ${If} $R7 != ""
      StrCpy $0 $R8
      StrCpy $1 "$R7.exe"
      !insertmacro VORTALIS_STOP "$(VORTALIS_EARLIER_LEFT)" ${STATUS_NOT_DONE}
    ${EndIf}
  ${EndIf}
  Pop $R9
  Pop $R8
  Pop $R7
  Pop $1
FunctionEnd
