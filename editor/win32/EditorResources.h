// Resource and control identifiers of the editor; shared by the resource script and the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialogs, menu, icon, strings.
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDR_MAINFRAME 128
#define IDR_FRAME_MENU 129
#define IDD_ANIMATION 130
#define IDD_PREVIEW 131
#define IDD_NAME 132
#define IDD_IMPORT 133

// System menu item of the main dialog.
#define IDM_ABOUTBOX 0x0010

// Main dialog.
#define IDC_CHARACTER_NAME 1000
#define IDC_NEW_CHARACTER 1001
#define IDC_SAVE 1002
#define IDC_LOAD 1003
#define IDC_NEW_ANIMATION 1004
#define IDC_EDIT_ANIMATION 1005
#define IDC_DELETE_ANIMATION 1006
#define IDC_ANIMATION_LIST 1007
#define IDC_PREVIEW 1011
#define IDC_IMPORT 1020
#define IDC_SAVE_GIF 1021

// Animation dialog.
#define IDC_SHIFT_Y 1001
#define IDC_FRAME_PLACEHOLDER 1009
#define IDC_ANIMATION_NAME 1010
#define IDC_SHIFT_GROUP 1013
#define IDC_SHIFT_X_LABEL 1014
#define IDC_SHIFT_Y_LABEL 1015
#define IDC_SHIFT_X 1016
#define IDC_SOUND 1018

// Preview dialog.
#define IDC_PREVIEW_PLACEHOLDER 1012

// Name dialog.
#define IDC_ORIGIN_NAME 1017

// Import dialog.
#define IDC_IMPORT_NAME 1200
#define IDC_IMPORT_PICTURES 1201
#define IDC_IMPORT_BROWSE 1202
#define IDC_IMPORT_COLUMNS 1203
#define IDC_IMPORT_ROWS 1204
#define IDC_IMPORT_TIME 1205
#define IDC_IMPORT_ANCHOR_X 1206
#define IDC_IMPORT_ANCHOR_Y 1207
#define IDC_IMPORT_SHIFT_X 1208
#define IDC_IMPORT_SHIFT_Y 1209

// Children of the frame window.
#define IDC_DISPLAY_TIME 1100
#define IDC_FRAME_LIST 1101
#define IDC_FRAME_SOUND 12345

// Commands of the "Frame" and "Origins" popups.
#define ID_FRAME_INSERT_NEW 32771
#define ID_FRAME_DELETE 32772
#define ID_FRAME_OPEN_IMAGE 32773
#define ID_ORIGIN_CREATE 32774
#define ID_FRAME_INSERT_SOUND 32775
#define ID_FRAME_DROP_SOUND 32776
#define ID_FRAME_DUPLICATE 32777
#define ID_FRAME_MOVE_EARLIER 32778
#define ID_FRAME_MOVE_LATER 32779
