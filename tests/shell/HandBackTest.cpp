// The hand-back slots: a child screen's result waits, owned, until its parent takes it.
#include "shell/CHandBack.h"

namespace {

using shell::CHandBack;
using shell::CHandBackOf;
using shell::HandBackKind;

int g_alive = 0;

struct Counted : shell::CHandBackValue {
    Counted() { ++g_alive; }
    ~Counted() override { --g_alive; }
};

TEST(HandBackTest, AValueIsTakenOnceAndOnlyAsItsOwnType) {
    CHandBack slots;
    slots.Give(HandBackKind::kIcon, std::make_unique<CHandBackOf<int>>(12));
    EXPECT_TRUE(slots.Has(HandBackKind::kIcon));
    EXPECT_FALSE(slots.Has(HandBackKind::kColour));
    EXPECT_EQ(slots.TakeAs<CHandBackOf<std::wstring>>(HandBackKind::kIcon), nullptr);
    EXPECT_TRUE(slots.Has(HandBackKind::kIcon));  // a wrong type leaves it where it is
    auto icon = slots.TakeAs<CHandBackOf<int>>(HandBackKind::kIcon);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->Value(), 12);
    EXPECT_FALSE(slots.Has(HandBackKind::kIcon));
    EXPECT_EQ(slots.Take(HandBackKind::kIcon), nullptr);
    EXPECT_EQ(slots.Take(HandBackKind::kCount), nullptr);
}

TEST(HandBackTest, ValuesNobodyTookAreFreed) {
    {
        CHandBack slots;
        slots.Give(HandBackKind::kMemo, std::make_unique<Counted>());
        slots.Give(HandBackKind::kMemo, std::make_unique<Counted>());  // replaces and frees
        EXPECT_EQ(g_alive, 1);
        slots.Give(HandBackKind::kRepeat, std::make_unique<Counted>());
        slots.Clear();
        EXPECT_EQ(g_alive, 0);
        slots.Give(HandBackKind::kSplitLines, std::make_unique<Counted>());
    }
    EXPECT_EQ(g_alive, 0);
}

}  // namespace
