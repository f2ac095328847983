#include "resources/MenuTable.h"

#include <iterator>

#include "resources/ScreenMenus.h"
#include "resources/SortedById.h"

namespace res {
namespace {

constexpr MenuItemDef kGalleryMessages[] = {
    {IDC_GALLERY_MSG_OK, IDS_GALLERY_MESSAGE_OK},
    {IDC_GALLERY_MSG_YESNO, IDS_GALLERY_MESSAGE_YESNO},
    {IDC_GALLERY_MSG_OKCANCEL, IDS_GALLERY_MESSAGE_OKCANCEL},
};

constexpr MenuItemDef kGalleryMainMenu[] = {
    {IDC_GALLERY_NEXT, IDS_GALLERY_NEXT_SCREEN},
    {0, IDS_GALLERY_MESSAGE_BOXES, 0, kGalleryMessages, std::size(kGalleryMessages)},
    {IDC_GALLERY_DOWNLOAD, IDS_GALLERY_DOWNLOAD},
    {IDC_GALLERY_WAIT, IDS_GALLERY_WAIT},
    {IDC_GALLERY_DISABLED, IDS_GALLERY_DISABLED_ITEM, kMenuGrayed},
    {0, IDS_NONE, kMenuSeparator},
    {IDC_GALLERY_EXIT, IDS_GALLERY_EXIT},
};

constexpr MenuItemDef kGallerySortBy[] = {
    {IDC_GALLERY_SORT_NAME, IDS_GALLERY_SORT_NAME, kMenuChecked | kMenuRadio},
    {IDC_GALLERY_SORT_AMOUNT, IDS_GALLERY_SORT_AMOUNT, kMenuRadio},
};

constexpr MenuItemDef kGalleryListMenu[] = {
    {IDC_GALLERY_ADD_ROW, IDS_GALLERY_ADD_ROW},
    {IDC_GALLERY_DELETE_ROW, IDS_GALLERY_DELETE_ROW},
    {0, IDS_GALLERY_SORT_BY, 0, kGallerySortBy, std::size(kGallerySortBy)},
    {IDC_GALLERY_NEXT, IDS_GALLERY_NEXT_SCREEN},
    {IDC_GALLERY_BACK, IDS_GALLERY_PREVIOUS_SCREEN},
};

// Sorted by id.
constexpr MenuDef kMenus[] = {
    {IDM_GALLERY_MAIN,
     {{IDC_GALLERY_NEXT, IDS_GALLERY_NEXT},
      {0, IDS_MENU, 0, kGalleryMainMenu, std::size(kGalleryMainMenu)}}},
    {IDM_GALLERY_LIST,
     {{IDC_GALLERY_BACK, IDS_GALLERY_BACK},
      {0, IDS_MENU, 0, kGalleryListMenu, std::size(kGalleryListMenu)}}},
    {IDM_GALLERY_DONE, {{IDC_GALLERY_DONE, IDS_DONE}, {IDC_GALLERY_BACK, IDS_GALLERY_BACK}}},
};

static_assert(IsSortedById(kMenus),
              "the menu table must be sorted by id, without duplicates");

}  // namespace

const MenuDef* FindMenu(int id) {
    if (const MenuDef* menu = FindById(kMenus, id)) return menu;
    return FindScreenMenu(id);
}

}  // namespace res
