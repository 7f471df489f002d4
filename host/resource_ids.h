// Resource numbers of the saver host (shared by the resource script and the code).
#pragma once

#define IDS_SAVER_NAME 1
#define IDR_SURFACE_TEXTURE 101
#define IDR_SPHERE_TEXTURE 102
#define IDR_PREVIEW_PICTURE 103

// The settings dialog: its icon (also the program's), the link cursor, the panel texture and
// the two selection marks.
#define IDI_DIALOG_ICON 110
#define IDC_LINK_CURSOR 111
#define IDR_PANEL_TEXTURE 112
#define IDR_MARK_EMPTY 113
#define IDR_MARK_SELECTED 114
