#pragma once

// The main window's command ids; each QAction keeps its id in data().
constexpr int ID_FILE_DOWNLOAD = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_SAVE_AS = 57604;
constexpr int ID_FILE_PRINT_SETUP = 57606;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_FILE_IMPORT_IMAGE = 32791;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_PANE_CLOSE = 57682;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;
constexpr int ID_VIEW_LOGS = 32774;
constexpr int ID_LOG_DELETE = 32775;
constexpr int ID_LOG_EXPORT = 32776;
constexpr int ID_LOG_PROPERTIES = 32777;
constexpr int ID_VIEW_PREFERENCES = 32778;
constexpr int ID_VIEW_PREVIOUS = 32779;
constexpr int ID_VIEW_NEXT = 32780;
constexpr int ID_VIEW_CLEAR_LABELS = 32782;
constexpr int ID_VIEW_REFRESH = 32783;
constexpr int ID_VIEW_CLIMBS = 32790;
constexpr int ID_VIEW_WHOLE = 32792;
