// Resource identifiers of QZNUpdate.exe, the online update tool: its window, icon and texts.
#pragma once

#define IDD_UPDATE 5000
#define IDI_UPDATE 5001

#define IDC_UPDATE_PRODUCT 5010
#define IDC_UPDATE_VERSION 5011

// String table; "%s" stands for the values the tool puts in.
#define IDS_UPDATE_CAPTION 5100
#define IDS_UPDATE_TITLE 5101
#define IDS_UPDATE_PRODUCT 5102
#define IDS_UPDATE_VERSION 5103
#define IDS_UPDATE_VERSION_DATE 5104
#define IDS_UPDATE_REDIRECT 5105
#define IDS_UPDATE_NO_PRODUCT 5106
#define IDS_UPDATE_NOT_FOUND 5107
#define IDS_UPDATE_LINK_FAILED 5108
