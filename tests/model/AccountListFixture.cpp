#include "AccountListFixture.h"

#include <gtest/gtest.h>

#include "online/CFiList.h"
#include "storage/TestRecord.h"

namespace account_list_fixture {
namespace {

// Stands in for the scheduled transactions: an empty list by default.
class ScheduledStandIn : public CCVItemList {
  public:
    ScheduledStandIn() : CCVItemList("CScheduledItem", 0) {}

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override { return std::make_unique<TestRecord>(); }
};

}  // namespace

ListMakers TestListMakers() {
    return {.scheduled = []() -> std::unique_ptr<CCVItemList> {
                return std::make_unique<ScheduledStandIn>();
            },
            .institutions = []() -> std::unique_ptr<CCVItemList> {
                return std::make_unique<CFiList>();
            }};
}

std::unique_ptr<CCVAccountList> DataFolder::Load(int* rc) const {
    auto list = std::make_unique<CCVAccountList>(TestListMakers());
    const int result = list->Load(m_path);
    if (rc != nullptr) *rc = result;
    return list;
}

}  // namespace account_list_fixture
