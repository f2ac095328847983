#pragma once

#include <cstdint>
#include <string>

#include "model/ModelText.h"
#include "model/YesNo.h"
#include "storage/Amount.h"
#include "storage/CCVItem.h"
#include "storage/RecordKey.h"

class CCVCategoryList;

// A category, or a sub-category of a top-level category (one level of nesting only).
//
// Stored form, after the CCVItem part (69 bytes in all), little-endian:
//   offset  size  field
//   5       8     key
//   13      33    name: zero-filled, the last byte zero
//   46      8     parentKey: all-zero for a top-level category
//   54      1     reserved, zero
//   55      8     budget (Amount, monthly)
//   63      2     icon: index into the category icon set
//   65      4     reserved, zero (read and ignored)
class CCVCategoryItem : public CCVItem {
  public:
    static constexpr std::size_t kStoredSize = CCVItem::kStoredSize + 60 + 4;
    // "parent:child" of a sub-category's full name.
    static constexpr char kPathSeparator = ':';
    static constexpr std::size_t kMaxFullNameLength = 100;

    CCVCategoryItem() = default;
    // A new top-level category with a fresh key.
    explicit CCVCategoryItem(const char* name);
    // A new sub-category of `parentKey` with a fresh key.
    CCVCategoryItem(const char* name, const RecordKey& parentKey);
    // A built-in category: a fixed key, parent and icon; the record is not marked modified.
    CCVCategoryItem(const char* name, const RecordKey& key, const RecordKey& parentKey,
                    std::uint16_t icon);

    const char* GetName() const override { return m_name.c_str(); }
    const RecordKey* GetKey() const override { return &m_key; }
    int Serialize(RecordArchive& ar) override;

    // The name for a top-level category; "parent:name" for a sub-category; the empty text when
    // the parent is not in the list. At most kMaxFullNameLength bytes.
    std::string GetFullName(const CCVCategoryList& list) const;

    YesNo IsSubCategory() const { return ToYesNo(!m_parentKey.IsNull()); }

    // Every setter marks the record modified.
    void SetName(const char* name);
    void SetKey(const RecordKey& key);
    const RecordKey& GetParentKey() const { return m_parentKey; }
    void SetParentKey(const RecordKey& parentKey);
    Amount GetBudget() const { return m_budget; }
    void SetBudget(Amount budget);
    std::uint16_t GetIcon() const { return m_icon; }
    void SetIcon(std::uint16_t icon);

  private:
    RecordKey m_key;
    NameField m_name;
    RecordKey m_parentKey;
    Amount m_budget = 0;
    std::uint16_t m_icon = 0;
};
