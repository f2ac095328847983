#pragma once

// Ids of the string table. Ranges keep the areas apart:
//   1-99       the product and general texts
//   100-999    the data model: built-in names and the messages of its operations
//   1000-2999  the window system, controls and the shell
//   3000-      later areas (online banking, screens)
namespace res {

enum StringId : int {
    IDS_NONE = 0,
    IDS_APP_NAME = 1,  // "Coinvale": the title of every message box
};

}  // namespace res
