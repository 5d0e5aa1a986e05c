// Resource identifiers of Vantrel.exe (shared by the .rc scripts and the code).
#pragma once

// Dialog templates of the main window.
#define IDD_MAIN_VERTICAL 102
#define IDD_MAIN_HORIZONTAL 182

// Artwork.
#define IDR_MAINFRAME 128
#define IDC_HAND_LINK 32649

// The resistor picture: background, body and colour scales (upright for the lying resistor,
// lying for the upright one).
#define IDB_SCALE_TOLERANCE_UPRIGHT 188
#define IDB_BACKGROUND 199
// Not a resource: the picture cache turns the lying body upright under this identifier.
#define IDB_BODY_UPRIGHT 200
#define IDB_SCALE_DIGIT_LYING 201
#define IDB_SCALE_MULTIPLIER_LYING 202
#define IDB_SCALE_TEMPCO_LYING 203
#define IDB_SCALE_TOLERANCE_LYING 204
#define IDB_BODY_LYING 205
#define IDB_SCALE_TEMPCO_UPRIGHT 206
#define IDB_SCALE_DIGIT_UPRIGHT 207
#define IDB_SCALE_MULTIPLIER_UPRIGHT 208
// The small resistor of the copied, saved and printed picture.
#define IDB_SMALL_LYING 195
#define IDB_SMALL_UPRIGHT 197

// The context menu, and the pop-up menus of the side bar's "Copier", "Imprimer" and
// "Informations et support" links.
#define IDM_CONTEXT 132
#define IDM_HELP 150
#define IDM_COPY 194
#define IDM_PRINT 3000
// Keyboard accelerators of the main window, always the program's own.
#define IDR_ACCELERATORS 210
// Small pictures of the menus' copy, save and print items, in the order of their commands.
#define IDB_MENU_ICONS 211

// The About dialog and its thanks dialog.
#define IDD_ABOUT 1101
#define IDD_THANKS 1116
#define IDB_ABOUT_BANNER 192
#define IDC_ABOUT_EMAIL 1100
#define IDC_ABOUT_LEGAL 1102
#define IDC_ABOUT_VERSION 1103
#define IDC_ABOUT_LINK 1105
#define IDC_ABOUT_DONATE 1107
#define IDC_ABOUT_THANKS 1110
#define IDC_THANKS_TEXT 1004
#define IDC_THANKS_ICON 1005

// The options sheet's pages, their icons and controls.
#define IDD_PAGE_GENERAL 1000
#define IDD_PAGE_INTERFACE 201
#define IDD_PAGE_TOOLS 202
#define IDI_PAGE_LOOK 149
#define IDI_PAGE_UPDATE 173
#define IDI_PAGE_REPAIR 174
#define IDC_OPT_RINGS 1033
#define IDC_OPT_E6 1020
#define IDC_OPT_E3 1021
#define IDC_OPT_E12 1022
#define IDC_OPT_E24 1023
#define IDC_OPT_E48 1024
#define IDC_OPT_E96 1025
#define IDC_OPT_E192 1026
#define IDC_OPT_SIDEBAR 1021
#define IDC_OPT_TOPMOST 1022
#define IDC_OPT_GRADIENT 1031
#define IDC_OPT_ORIENTATION 1032
#define IDC_OPT_LANGUAGE 1033
#define IDC_OPT_STYLE 1048
#define IDC_OPT_BROWSE 1049
#define IDC_OPT_PREVIEW 1050
#define IDC_OPT_TRANSPARENCY 1057
#define IDC_OPT_NO_BACKGROUND 1019
#define IDC_OPT_DEFAULT_BACKGROUND 1020
#define IDC_OPT_REPAIR 1019
#define IDC_OPT_UPDATE 1020

// Main window controls.
#define IDC_BANDE1 1000
#define IDC_BANDE2 1001
#define IDC_BANDE3 1002
#define IDC_BANDE4 1003
#define IDC_BANDE5 1004
#define IDC_BANDE6 1005
#define IDC_VALUE 1012
#define IDC_UNIT 1013
#define IDC_TOLERANCE 1014
#define IDC_TEMPCO 1015
#define IDC_SIDEBAR 1047

// Side bar rows: the calculator's fields, and the commands that links post.
#define IDC_CALC_R 6565
#define IDC_CALC_U 6566
#define IDC_CALC_I 6567
#define IDC_CALC_P 6568
#define ID_TOPMOST 137
#define ID_RINGS_4 138
#define ID_RINGS_5 139
#define ID_RINGS_6 140
#define ID_SERIES_E3 1017
#define ID_SERIES_E192 1023
#define ID_COPY_MENU 5000
#define ID_SUPPORT_MENU 5001
#define ID_PRINT_MENU 5002
#define ID_QUIT 5003
#define ID_CALC_R 6569
#define ID_CALC_U 6570
#define ID_CALC_I 6571
#define ID_CALC_P 6572

// Export commands.
#define ID_COPY_VALUE 133
#define ID_COPY_PICTURE 134
#define ID_SAVE_PICTURE 135
#define ID_PRINT_RESISTOR 32782
#define ID_PRINT_VALUE 32783
#define ID_TOGGLE_SIDEBAR 32779

// Commands of the menus that other windows and programs answer.
#define ID_OPTIONS 143
#define ID_OPTIONS_OTHER 526
#define ID_QUIZ 152
#define ID_SUPPORT_MENU_OTHER 451
#define ID_UPDATE_TOOL 32789
#define ID_WEB_PAGE 32793
#define ID_APP_ABOUT 57664
#define ID_HELP_INDEX 57666
// Identifiers that earlier versions sent; they are accepted and do nothing.
#define ID_RESERVED_528 528
#define ID_RESERVED_32771 32771

// String table. A language library carries the marker "LANGUE" as string 1; the program does not.
#define IDS_LANGUAGE_MARKER 1
#define IDS_LANGUAGE_NAME 2
#define IDS_BITMAP_FILTER 133
#define IDS_TIP_TEMPCO 134
#define IDS_TIP_TOLERANCE 135
#define IDS_OPTIONS_CAPTION 136
#define IDS_GROUP_CALCS 137
#define IDS_GROUP_STANDARD 138
#define IDS_GROUP_TASKS 139
#define IDS_TASK_RINGS4 140
#define IDS_TASK_RINGS5 141
#define IDS_TASK_RINGS6 142
#define IDS_TASK_COPY 143
#define IDS_TASK_PRINT 144
#define IDS_TASK_TOPMOST_ON 145
#define IDS_TASK_SUPPORT 146
#define IDS_CALC_R 147
#define IDS_CALC_U 148
#define IDS_CALC_I 149
#define IDS_CALC_P 150
#define IDS_CALC_IMPOSSIBLE 152
#define IDS_STYLE_XP 153
#define IDS_STYLE_CLASSIC 154
#define IDS_ORIENT_HORIZONTAL 155
#define IDS_ORIENT_VERTICAL 156
#define IDS_TASK_QUIT 157
#define IDS_TASK_TOPMOST_OFF 158
#define IDS_FIRST_RUN 159
#define IDS_QUIZ_MISSING 160
#define IDS_PRINT_ERROR 161
#define IDS_SUMMARY_SEPARATOR 162
#define IDS_TIP_UNIT 163
#define IDS_TIP_VALUE 164
#define IDS_COLOUR_BLACK 165
#define IDS_COLOUR_GOLD 176
#define IDS_SERIES_REQUIRED 177
#define IDS_HOME_LINK 11100
#define IDS_DONATION_LINK 11101
#define IDS_SUPPORT_ADDRESS 11102
#define IDS_WEB_LINK_FAILED 11200
#define IDS_REPAIR_MISSING 11201
#define IDS_UPDATE_MISSING 11202
#define IDS_HELP_FAILED 11203
