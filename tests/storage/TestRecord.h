#pragma once

#include <memory>

#include "storage/CCVItem.h"
#include "storage/CCVItemList.h"
#include "storage/FixedText.h"
#include "storage/RecordArchive.h"

// A small keyed, named record and its list, standing in for the real record classes.
// Stored form: base (5) key (8) name (33) value (4) = 50 bytes.
class TestRecord : public CCVItem {
public:
    static constexpr std::size_t kStoredSize = CCVItem::kStoredSize + 8 + 33 + 4;

    TestRecord() = default;
    explicit TestRecord(const char* name, std::uint32_t value = 0);

    const char* GetName() const override { return m_name.c_str(); }
    const RecordKey* GetKey() const override { return &m_key; }
    int Serialize(RecordArchive& ar) override;

    RecordKey m_key;
    FixedText<33> m_name;
    std::uint32_t m_value = 0;
};

class TestList : public CCVItemList {
public:
    TestList() : CCVItemList("CTestItem", 0x0100) {}
    int CreateDefaults() override;

    TestRecord* At(std::int64_t index) const { return static_cast<TestRecord*>(GetAt(index)); }

protected:
    std::unique_ptr<CCVItem> NewRecord() const override { return std::make_unique<TestRecord>(); }
};
