/* Identifiers shared by the resource scripts and the program. */
#pragma once

#define IDI_PBW 1            /* the program's icon: window, tray, file */
#define IDI_ABOUT 2          /* the About dialog's icon */
#define IDC_BANNER_POINTER 3 /* 32 x 32 two-colour pointer over the banners and the About picture */

#define IDR_MAKER_BANNER 10   /* JPEG, RCDATA: Image1 of the main window */
#define IDB_PARTNER_BANNER 11 /* 8-bit BMP, BITMAP: Image2 of the main window */
#define IDR_SIDE_PICTURE 12   /* JPEG, RCDATA: Image3 along the main window's left edge */
#define IDR_ABOUT_PICTURE 13  /* JPEG, RCDATA: Image1 along the About dialog's left edge */
