; The Windows installer of soccer, made on Debian by scripts/windows.sh with makensis 3:
;   makensis -INPUTCHARSET UTF8 -DVERSION=4.1.5 -DSTAGE=<folder> -DFILES=<files.nsh>
;            -DOUTFILE=<setup.exe> soccer.nsi
; STAGE holds what is installed (the programs, Qt's libraries and plugins, the delivered files,
; LICENSE.txt, the icons); FILES lists them, made by the script from STAGE, so that the
; uninstaller removes exactly what was installed and nothing the user made.
; Per-user (no administrator needed) or per-machine; /S installs silently, /CurrentUser or
; /AllUsers choose without asking.
; A 64-bit installer for 64-bit programs: it runs where they run (and under wine64).
Target amd64-unicode
SetCompressor /SOLID lzma

!ifndef VERSION | STAGE | OUTFILE | FILES
  !error "VERSION, STAGE, FILES and OUTFILE are given on makensis's command line"
!endif
!include "${FILES}"

!define PRODUCT "soccer"
!define PRODUCT_NAME "Тарвел"
!define CLASSIC_NAME "Тарвел классический"
!define TABLE_CLASS "soccer.table"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh

Name "${PRODUCT_NAME} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user ; MultiUser asks for more when the user chooses all users

!define MUI_ICON "${STAGE}\soccer.ico"
!define MUI_UNICON "${STAGE}\soccer.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\soccer.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "Установка программы ${PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "LegalCopyright" "GNU GPL"

Function .onInit
  SetRegView 64
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "${PRODUCT_NAME}" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  !insertmacro SOCCER_INSTALL_FILES ; from files.nsh
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The Start menu: both programs, the help page and the uninstaller.
  CreateDirectory "$SMPROGRAMS\${PRODUCT_NAME}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT_NAME}\${PRODUCT_NAME}.lnk" "$INSTDIR\soccer.exe" "" \
    "$INSTDIR\soccer.ico"
  CreateShortCut "$SMPROGRAMS\${PRODUCT_NAME}\${CLASSIC_NAME}.lnk" \
    "$INSTDIR\soccer-classic.exe" "" "$INSTDIR\soccer.ico"
  CreateShortCut "$SMPROGRAMS\${PRODUCT_NAME}\Справка.lnk" "$INSTDIR\help.html"
  CreateShortCut "$SMPROGRAMS\${PRODUCT_NAME}\Удалить ${PRODUCT_NAME}.lnk" \
    "$INSTDIR\uninstall.exe"

  ; .TFL tables open in soccer, with the table icon. SHCTX is HKCU for one user and HKLM for
  ; all, as MultiUser chose.
  WriteRegStr SHCTX "Software\Classes\.TFL" "" "${TABLE_CLASS}"
  WriteRegStr SHCTX "Software\Classes\${TABLE_CLASS}" "" "Таблица футбольного турнира"
  WriteRegStr SHCTX "Software\Classes\${TABLE_CLASS}\DefaultIcon" "" "$INSTDIR\soccer-table.ico"
  WriteRegStr SHCTX "Software\Classes\${TABLE_CLASS}\shell\open\command" "" \
    '"$INSTDIR\soccer.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\soccer.ico"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes: tables, colours and the classic league live in the
; user's own folders (Documents, AppData) and stay, and so does a table someone saved in the
; program's folder, which then keeps the folder too.
Section "Uninstall"
  !insertmacro SOCCER_REMOVE_FILES ; from files.nsh
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT_NAME}\${PRODUCT_NAME}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT_NAME}\${CLASSIC_NAME}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT_NAME}\Справка.lnk"
  Delete "$SMPROGRAMS\${PRODUCT_NAME}\Удалить ${PRODUCT_NAME}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT_NAME}"

  ; .TFL is left to whichever program claimed it since.
  ReadRegStr $0 SHCTX "Software\Classes\.TFL" ""
  StrCmp $0 "${TABLE_CLASS}" 0 +2
    DeleteRegValue SHCTX "Software\Classes\.TFL" ""
  DeleteRegKey /ifempty SHCTX "Software\Classes\.TFL"
  DeleteRegKey SHCTX "Software\Classes\${TABLE_CLASS}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
