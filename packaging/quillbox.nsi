; The Quillbox installer (makensis 3, 64-bit Unicode). scripts/package.sh builds it:
;   makensis -DVERSION=3.34 -DSTAGE=<folder with the six files> -DOUTFILE=<setup.exe>
;            -DICON=<quillbox.ico> packaging/quillbox.nsi
; Installs the four deliverables and the two help files under Program Files, a Start menu entry,
; optionally a start at logon, and an uninstaller that removes exactly what was installed and
; never the user's data home (the application-data folder, or folders that a copy kept beside
; itself). Silent: /S; /S /AUTOSTART also starts Quillbox at logon; /D=<folder> as usual.
Target amd64-unicode
Unicode true

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"
!include "x64.nsh"

!ifndef VERSION | STAGE | OUTFILE | ICON
  !error "define VERSION, STAGE, OUTFILE and ICON (scripts/package.sh does)"
!endif

!define PRODUCT "Quillbox"
!define MAIN_CLASS "QuillboxMainFrame"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillbox"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} ${VERSION} セットアップ"
VIAddVersionKey /LANG=1041 "CompanyName" "tova-works"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Copyright (C) tova-works"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\quillbox2.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Quillboxを起動する"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; A running Quillbox holds its files open: the user ends it first.
!macro RefuseWhileRunning un
  Function ${un}RefuseWhileRunning
    FindWindow $0 "${MAIN_CLASS}" ""
    ${If} $0 <> 0
      MessageBox MB_OK|MB_ICONEXCLAMATION "Quillboxが起動しています。$\nQuillboxを終了してから、もう一度実行してください。" /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro RefuseWhileRunning ""
!insertmacro RefuseWhileRunning "un."

Section "Quillbox（必須）" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${STAGE}\quillbox2.exe"
  File "${STAGE}\tovaplan.dll"
  File "${STAGE}\qlbxhook.dll"
  File "${STAGE}\plandata.dll"
  File "${STAGE}\quillbox2.chm"
  File "${STAGE}\QlbxPlan.chm"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Quillbox.lnk" "$INSTDIR\quillbox2.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Quillbox ヘルプ.lnk" "$INSTDIR\quillbox2.chm"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Quillbox プランヘルプ.lnk" "$INSTDIR\QlbxPlan.chm"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "tova-works"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillbox2.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "ログオン時にQuillboxを起動する" SecAutostart
  CreateShortCut "$SMSTARTUP\Quillbox.lnk" "$INSTDIR\quillbox2.exe"
SectionEnd

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "Quillboxは64ビット版のWindowsで動作します。" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  SetRegView 64
  SetShellVarContext all
  Call RefuseWhileRunning
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTOSTART" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecAutostart}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
  Call un.RefuseWhileRunning
FunctionEnd

; Removes only the files the installer put there; the folder goes only when nothing else is
; left in it, so a data home that a copy kept beside itself stays.
Section "Uninstall"
  Delete "$INSTDIR\quillbox2.exe"
  Delete "$INSTDIR\tovaplan.dll"
  Delete "$INSTDIR\qlbxhook.dll"
  Delete "$INSTDIR\plandata.dll"
  Delete "$INSTDIR\quillbox2.chm"
  Delete "$INSTDIR\QlbxPlan.chm"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}\Quillbox.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Quillbox ヘルプ.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Quillbox プランヘルプ.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  Delete "$SMSTARTUP\Quillbox.lnk"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
