// Resource ids of the program.
#pragma once

#define IDI_APP 128
#define IDI_LOGO 130
#define IDI_SEARCH 133

#define IDD_ABOUT 100
#define IDD_MAIN 102

#define IDM_ABOUT 0x0010

#define IDC_DRIVE_LIST 1001
#define IDC_LABEL_EDIT 1002
#define IDC_LETTER_LIST 1003
#define IDC_PROGRESS 1004
#define IDC_START_FORMAT 1005
#define IDC_WEB_LINK 1006
#define IDC_WARNING_TEXT 1007
#define IDC_SEARCH_ICON 1008
#define IDC_LOGO_ICON 1009
#define IDC_FILE_SYSTEM_LIST 1010
#define IDC_ABOUT_LINK 1010

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif
