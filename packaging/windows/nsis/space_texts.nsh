; The folder page's sizes, in French. NSIS writes them with a decimal point
; ("Espace requis : 4.7 Mo"); told SpaceTexts none, it leaves its two texts
; hidden, and the page shows its own there: "Espace requis : 4,7 Mo".
; Included after the programs' section, whose size it shows.
; (This file starts with a byte-order mark, so that NSIS reads it as UTF-8.)

SpaceTexts none

; $0: a size in kilobytes (64-bit); $0: that size as French writes it, in the
; largest unit of 1 024 it reaches, to the tenth below: "512 Ko", "4,7 Mo".
Function FormatKilobytes
  Push $1
  Push $2
  Push $3
  ; The bits to drop for each unit: 1 Mo is 2^10 Ko, 1 Go 2^20, 1 To 2^30.
  StrCpy $1 "$(VORTALIS_KILOBYTES)"
  StrCpy $2 0
  System::Int64Op $0 >> 30
  Pop $3
  ${If} $3 > 0
    StrCpy $1 "$(VORTALIS_TERABYTES)"
    StrCpy $2 30
  ${Else}
    System::Int64Op $0 >> 20
    Pop $3
    ${If} $3 > 0
      StrCpy $1 "$(VORTALIS_GIGABYTES)"
      StrCpy $2 20
    ${ElseIf} $0 >= 1024
      StrCpy $1 "$(VORTALIS_MEGABYTES)"
      StrCpy $2 10
    ${EndIf}
  ${EndIf}
  ${If} $2 = 0
    StrCpy $0 "$0 $1"
  ${Else}
    System::Int64Op $0 * 10
    Pop $3
    System::Int64Op $3 >> $2
    Pop $3
    System::Int64Op $3 % 10
    Pop $3
    System::Int64Op $0 >> $2
    Pop $0
    StrCpy $0 "$0,$3 $1"
  ${EndIf}
  Pop $3
  Pop $2
  Pop $1
FunctionEnd

; $0: the space free to this user on the disk of $INSTDIR (or of its nearest
; folder that exists), in kilobytes; empty when the disk says nothing.
Function FreeKilobytes
  Push $1
  Push $2
  StrCpy $1 $INSTDIR
  ${Do}
    System::Call 'kernel32::GetDiskFreeSpaceExW(w r1, *l .r0, p 0, p 0) i .r2'
    ${If} $2 <> 0
      System::Int64Op $0 >> 10
      Pop $0
      ${Break}
    ${EndIf}
    StrCpy $0 ""
    ${GetParent} $1 $1
  ${LoopUntil} $1 == ""
  Pop $2
  Pop $1
FunctionEnd

; Writes both sizes into the page's texts, once the page has them.
Function ShowSpaces
  ${If} $mui.DirectoryPage.SpaceRequired == ""
    Return
  ${EndIf}
  Push $0
  SectionGetSize ${PROGRAMS_SECTION} $0
  Call FormatKilobytes
  SendMessage $mui.DirectoryPage.SpaceRequired ${WM_SETTEXT} 0 "STR:$(VORTALIS_SPACE_REQUIRED)$0"
  Call FreeKilobytes
  ${If} $0 != ""
    Call FormatKilobytes
    StrCpy $0 "$(VORTALIS_SPACE_AVAILABLE)$0"
  ${EndIf}
  SendMessage $mui.DirectoryPage.SpaceAvailable ${WM_SETTEXT} 0 "STR:$0"
  Pop $0
FunctionEnd

Function ShowFolderPageSpaces
  ShowWindow $mui.DirectoryPage.SpaceRequired ${SW_SHOW}
  ShowWindow $mui.DirectoryPage.SpaceAvailable ${SW_SHOW}
  Call ShowSpaces
FunctionEnd

; Called at each change of the folder typed in the page.
Function .onVerifyInstDir
  Call ShowSpaces
FunctionEnd
