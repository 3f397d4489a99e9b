// The program's command identifiers. Menus, tool bar buttons and shortcuts
// all issue these numbers; CMainFrame's command table says what each does.
#pragma once

namespace tabrix::cmd {

inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;  // Ctrl+S: routed to Save State
inline constexpr int kFileMruFirst = 57616;  // recent files: 57616..57619
inline constexpr int kAppExit = 57665;
inline constexpr int kAppAbout = 57664;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditCopyExact = 32796;
inline constexpr int kEditPasteNumber = 32797;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kViewZoomIn = 32793;
inline constexpr int kViewZoomOut = 32794;
inline constexpr int kViewActualSize = 32795;
inline constexpr int kViewTape = 32798;
inline constexpr int kViewClearTape = 32799;
inline constexpr int kViewSaveTapeAs = 32800;
inline constexpr int kViewKeyboardKeys = 32801;
inline constexpr int kEditPreferences = 32802;
inline constexpr int kHelpKeys = 32803;
inline constexpr int kProgramsRecord = 32804;
inline constexpr int kProgramsStopRecording = 32805;
inline constexpr int kProgramsContinue = 32806;
inline constexpr int kProgramsEdit = 32807;
inline constexpr int kProgramsImport = 32808;
inline constexpr int kProgramsExport = 32809;
inline constexpr int kFunctionsFind = 32810;
inline constexpr int kViewHighContrastLcd = 32811;
inline constexpr int kEditPasteData = 32812;
inline constexpr int kViewStatistics = 32813;
inline constexpr int kFunctionsSolve = 32814;
inline constexpr int kFunctionsIntegrate = 32815;
inline constexpr int kViewBits = 32816;
inline constexpr int kEditCopyBasePrefix = 32817;
inline constexpr int kNextPane = 57680;  // no handler
inline constexpr int kPrevPane = 57681;  // no handler
inline constexpr int kFileSaveState = 32771;
inline constexpr int kFileLoadState = 32772;
inline constexpr int kFileResetState = 32792;
// STO and RCL items: see kStoreCommandIds and kRecallCommandIds.

}  // namespace tabrix::cmd
