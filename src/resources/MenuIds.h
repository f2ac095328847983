#pragma once

// Ids of the menu definitions and the command ids of their items (the WM_COMMAND ids).
//   1000-1099   menus of the gallery, with commands 1100-1999
//   10000-      the program's screens: the handheld's resource numbers
namespace res {

enum MenuId : int {
    IDM_NONE = 0,
    IDM_GALLERY_MAIN = 1000,
    IDM_GALLERY_LIST = 1001,
    IDM_GALLERY_DONE = 1002,
};

enum GalleryCommand : int {
    IDC_GALLERY_NEXT = 1100,
    IDC_GALLERY_BACK = 1101,
    IDC_GALLERY_EXIT = 1102,
    IDC_GALLERY_MSG_OK = 1103,
    IDC_GALLERY_MSG_YESNO = 1104,
    IDC_GALLERY_MSG_OKCANCEL = 1105,
    IDC_GALLERY_DOWNLOAD = 1106,
    IDC_GALLERY_WAIT = 1107,
    IDC_GALLERY_SORT_NAME = 1110,
    IDC_GALLERY_SORT_AMOUNT = 1111,
    IDC_GALLERY_ADD_ROW = 1112,
    IDC_GALLERY_DELETE_ROW = 1113,
    IDC_GALLERY_DISABLED = 1114,
    IDC_GALLERY_DONE = 1115,
};

}  // namespace res
