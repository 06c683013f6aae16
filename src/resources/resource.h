// Resource and control ids. Shared by the resource script and the code;
// the numbers are part of the program's interface and must stay as they are.
#pragma once

// Menu and its commands
#define IDR_TOPOLOGY_MENU 104
#define IDM_FILE_NEW 40039
#define IDM_FILE_SAVE_AS 40007
#define IDM_FILE_EXIT 40010
#define IDM_VIEW_SYMBOL_WINDOW 40031
#define IDM_VIEW_VIEW_WINDOW 40029
#define IDM_VIEW_LIST_WINDOW 40030
#define IDM_FORMAT_CANVAS_SIZE 40036
#define IDM_HELP_ABOUT 40026
#define IDM_HELP_GUIDE 40025

// Dialog templates
#define IDD_SYMBOL_WINDOW 101
#define IDD_VIEW_WINDOW 102
#define IDD_LIST_WINDOW 103
#define IDD_ADD_SYMBOL 131
#define IDD_PALETTE_HUB 134
#define IDD_PALETTE_HOST 135
#define IDD_PALETTE_CLOUD 136
#define IDD_PALETTE_OTHER 137
#define IDD_PALETTE_ROUTER 138
#define IDD_CANVAS_SIZE 143
#define IDD_ABOUT 148

// Button bitmaps (30 x 30, 24-bit)
#define IDB_TOOL_DELETE 124
#define IDB_TOOL_SELECT 125
#define IDB_CABLE_STRAIGHT 126
#define IDB_CABLE_CROSS 127
#define IDB_CABLE_CONSOLE 128
#define IDB_CABLE_SERIAL 129
#define IDB_CABLE_TELEPHONE 130
#define IDB_CABLE_OPTICAL 146
#define IDB_CABLE_MET 147

// Cursor and icon
#define IDC_DELETE_CURSOR 142
#define IDI_PROGRAM 145

// Symbol window (template 101)
#define IDC_CATEGORY_TABS 1017
#define IDC_ADD_SYMBOL 1005
#define IDC_DELETE_SYMBOL 1030
#define IDC_PICK_SELECT 1028
#define IDC_PICK_DELETE 1029
#define IDC_PICK_STRAIGHT 1031
#define IDC_PICK_CROSS 1021
#define IDC_PICK_SERIAL 1022
#define IDC_PICK_CONSOLE 1043
#define IDC_PICK_TELEPHONE 1044
#define IDC_PICK_MET 1045
#define IDC_PICK_OPTICAL 1046

// Palette pages (templates 134 to 138): one list view each
#define IDC_PALETTE_ROUTER 1043
#define IDC_PALETTE_HUB 1044
#define IDC_PALETTE_CLOUD 1045
#define IDC_PALETTE_HOST 1046
#define IDC_PALETTE_OTHER 1047

// View window (template 102)
#define IDC_ZOOM_TRACKBAR 1011
#define IDC_ZOOM_IN 1006
#define IDC_ZOOM_OUT 1020
#define IDC_ZOOM_LABEL 1054
#define IDC_ZOOM_CAPTION 1063

// List window (template 103)
#define IDC_SORT_ORDER 1001
#define IDC_DISPLAY_FILTER 1004
#define IDC_LIST_SCROLL 1003
#define IDC_SEARCH 1040

// Add-symbol dialog (template 131)
#define IDC_ADD_PATH 1048
#define IDC_ADD_BROWSE 1050
#define IDC_ADD_CATEGORY 1049
#define IDC_ADD_OK 1051
#define IDC_ADD_CANCEL 1052

// Canvas size dialog (template 143)
#define IDC_CANVAS_APPLY 1058
#define IDC_CANVAS_CLOSE 1059
#define IDC_CANVAS_HEIGHT_LABEL 1057
#define IDC_CANVAS_WIDTH_LABEL 1056
#define IDC_CANVAS_WIDTH 1055
#define IDC_CANVAS_HEIGHT 1035

// About dialog (template 148)
#define IDC_ABOUT_NOTICE 1060
#define IDC_ABOUT_WEB 1061
#define IDC_ABOUT_TEXT 1062

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Picture shown in place of a catalogue image that cannot be loaded (50 x 50, 24-bit)
#define IDB_MISSING_SYMBOL 150
