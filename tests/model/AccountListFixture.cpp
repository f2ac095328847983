#include "AccountListFixture.h"

#include <gtest/gtest.h>

#include "model/CScheduledList.h"
#include "online/CFiList.h"

namespace account_list_fixture {

ListMakers TestListMakers() {
    return {.scheduled = []() -> std::unique_ptr<CCVItemList> {
                return std::make_unique<CScheduledList>();
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
