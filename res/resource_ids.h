// Resource and command ids of the application. The numbers are fixed: menu, accelerator and
// string tables refer to each other through them, and the framework-defined ones keep the
// values under which their strings are listed.
#pragma once

// --- Resources -----------------------------------------------------------------------------
inline constexpr int IDR_MAINFRAME = 128;   // menu, accelerators, icon and template string
inline constexpr int IDR_PELVARTYPE = 129;  // the document-type icon
inline constexpr int IDD_ABOUTBOX = 100;    // the About box template
inline constexpr int IDD_SETTINGS = 130;    // the settings dialog template
inline constexpr int VS_VERSION_INFO = 1;   // the version block

// State cursors (which state shows which is decided by the view).
inline constexpr int IDC_CURSOR_PLACE = 106;
inline constexpr int IDC_CURSOR_CAPTURE = 107;
inline constexpr int IDC_CURSOR_SLIDE = 108;
inline constexpr int IDC_CURSOR_JUMP = 109;
inline constexpr int IDC_CURSOR_TARGET = 110;

// Control id of static controls that nothing addresses.
inline constexpr int IDC_STATIC = -1;

// --- Commands of the application ---------------------------------------------------------------
inline constexpr int ID_OPTIONS = 32771;
inline constexpr int ID_AUTOPLAY = 32772;

// --- Commands and strings with the framework's numbers
// --------------------------------------------
inline constexpr int AFX_IDS_APP_TITLE = 57344;
inline constexpr int AFX_IDS_IDLEMESSAGE = 57345;

inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_MRU_FIRST = 57616;
inline constexpr int ID_FILE_MRU_LAST = 57631;

inline constexpr int ID_EDIT_CLEAR = 57632;
inline constexpr int ID_EDIT_CLEAR_ALL = 57633;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_FIND = 57636;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_REPEAT = 57640;
inline constexpr int ID_EDIT_REPLACE = 57641;
inline constexpr int ID_EDIT_SELECT_ALL = 57642;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_REDO = 57644;
inline constexpr int ID_WINDOW_SPLIT = 57653;

inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;

inline constexpr int ID_SEPARATOR = 0;  // the status bar's stretching message pane
inline constexpr int ID_INDICATOR_EXT = 59136;
inline constexpr int ID_INDICATOR_CAPS = 59137;
inline constexpr int ID_INDICATOR_NUM = 59138;
inline constexpr int ID_INDICATOR_SCRL = 59139;
inline constexpr int ID_INDICATOR_OVR = 59140;
inline constexpr int ID_INDICATOR_REC = 59141;

inline constexpr int ID_VIEW_STATUS_BAR = 59393;
inline constexpr int AFX_IDW_STATUS_BAR = 59393;  // the status bar's window id

// System menu prompts.
inline constexpr int AFX_IDS_SCSIZE = 61184;
inline constexpr int AFX_IDS_SCMOVE = 61185;
inline constexpr int AFX_IDS_SCMINIMIZE = 61186;
inline constexpr int AFX_IDS_SCMAXIMIZE = 61187;
inline constexpr int AFX_IDS_SCNEXTWINDOW = 61188;
inline constexpr int AFX_IDS_SCPREVWINDOW = 61189;
inline constexpr int AFX_IDS_SCCLOSE = 61190;
inline constexpr int AFX_IDS_SCRESTORE = 61202;
inline constexpr int AFX_IDS_SCTASKLIST = 61203;
