#pragma once

#include <cstdint>
#include <string>

#include "storage/RecordKey.h"

class CCVAccount;
class CCVCategoryList;

// The text shown for the category of a transaction or split line, and the way back from such a
// text to a category identifier. The account list owns one: the conversion needs the category
// list and the accounts (a transfer names its other account).
//
//   identifier               register form         short form   icon
//   all-zero                 ""                    ""           0
//   the split value          "-SPLIT-"             "-SPLIT-"    kSplitIcon
//   an account's identifier  "[" + name + "]"      name         the account's icon
//   a category's key         full name ("parent:child" for a sub-category)  the category's icon
class CCVCategoryText {
  public:
    static constexpr std::uint16_t kSplitIcon = 64;
    static constexpr char kAccountOpen = '[';
    static constexpr char kAccountClose = ']';

    enum Form { kRegisterForm = 0, kShortForm = 1 };

    // The accounts a transfer can name.
    class MAccounts {
      public:
        virtual const CCVAccount* FindAccountById(const RecordKey& accountId) const = 0;
        // The account whose name equals the text exactly (letter case counts), or null.
        virtual const CCVAccount* FindAccountByName(const char* name) const = 0;

      protected:
        ~MAccounts() = default;
    };

    CCVCategoryText(CCVCategoryList& categories, const MAccounts& accounts)
        : m_categories(categories), m_accounts(accounts) {}

    // 0 with the text and icon of the identifier; 1 (empty text, icon 0) for an identifier that is
    // neither split, account nor category.
    int GetCategoryText(const RecordKey& categoryId, std::string& text, std::uint16_t& icon,
                        Form form = kRegisterForm) const;
    // The register form alone; empty for an unknown identifier.
    std::string GetCategoryText(const RecordKey& categoryId) const;

    // The reverse: the empty text gives all-zero, "-SPLIT-" the split value, "[name]" the account
    // of that exact name (all-zero when there is none), anything else the category of that path
    // (all-zero when there is none; nothing is created).
    RecordKey GetCategoryId(const char* text) const;

  private:
    CCVCategoryList& m_categories;
    const MAccounts& m_accounts;
};
