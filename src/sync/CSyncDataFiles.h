#pragma once

#include <string>
#include <vector>

// Which files of a data folder a synchronisation carries: the data files, and nothing else.
//
//   the eight list files   "PayeesList.lst", "CategoriesList.lst", "ClassList.lst",
//                          "CurrenciesList.lst", "TransTypes.lst", "ScheduledTransList.lst",
//                          "FiList.lst", "PayeeLookupList.lst"
//   the account files      any name ending in ".cvl" (a deleted account's kept file too)
//
// Not carried: the writer's lock (".coinvale.lock"), a commit record (".coinvale-commit"), the
// temporary files of an interrupted write, the copies kept of damaged files ("*.damaged"), and
// anything else a person put in the folder. Only regular files count.
class CSyncDataFiles {
  public:
    static bool IsDataFileName(const std::string& name);
    // The data files of `folder`, sorted by name. 0, or 1 when the folder cannot be read.
    static int List(const std::string& folder, std::vector<std::string>& names);
    // The entries of `folder` that are not data files (anything else, of any kind), sorted.
    // 0, or 1 when the folder cannot be read.
    static int Others(const std::string& folder, std::vector<std::string>& names);
};
