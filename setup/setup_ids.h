/* Resource and control identifiers of the setup launcher. Plain #defines, because the
   resource script (windres) includes this file as well as the C++ code. */
#ifndef ORRERY_SETUP_SETUP_IDS_H
#define ORRERY_SETUP_SETUP_IDS_H

/* Dialog templates: the language and welcome page, the licence page per language. */
#define IDD_LANGUAGE_PAGE 130
#define IDD_LICENCE_ENGLISH 131
#define IDD_LICENCE_GERMAN 132

/* Program icon, accelerator table, flag bitmaps (two beside each language radio). */
#define IDI_SETUP 107
#define IDR_ACCELERATORS 130
#define IDB_FLAG_UNITED_KINGDOM 132
#define IDB_FLAG_UNITED_STATES 133
#define IDB_FLAG_GERMANY 134
#define IDB_FLAG_AUSTRIA 135

/* The dialog manager's own commands: Enter with no default button, and Escape. */
#define IDC_COMMAND_OK 1
#define IDC_COMMAND_CANCEL 2

/* Language page. */
#define IDC_ENGLISH 1004
#define IDC_GERMAN 1005
#define IDC_LANGUAGE_CANCEL 1006
#define IDC_LANGUAGE_NEXT 1007
#define IDC_WELCOME_FIRST 1015 /* 1015 to 1023: the nine welcome and warning lines */
#define IDC_WELCOME_LAST 1023

/* Licence pages. */
#define IDC_LICENCE_TEXT 1010
#define IDC_DISAGREE 1011
#define IDC_AGREE 1012
#define IDC_LICENCE_CANCEL 1013
#define IDC_LICENCE_NEXT 1014

#endif
