#include "resources/StringTable.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTable, KnownAndUnknownIds) {
    EXPECT_EQ(res::LoadString(res::IDS_APP_NAME), L"Coinvale");
    EXPECT_TRUE(res::LoadString(res::IDS_NONE).empty());
    EXPECT_TRUE(res::LoadString(static_cast<res::StringId>(987654)).empty());
}

}  // namespace

#include "resources/IconGlyphs.h"
#include "resources/MenuTable.h"

namespace {

TEST(MenuTable, MenusByIdWithTheirSoftKeysAndPopUps) {
    const res::MenuDef* menu = res::FindMenu(res::IDM_GALLERY_LIST);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->keys[0].command, res::IDC_GALLERY_BACK);
    EXPECT_GT(menu->keys[1].popupCount, 0u);
    // Every label of every menu is in the string table.
    for (int id : {res::IDM_GALLERY_MAIN, res::IDM_GALLERY_LIST, res::IDM_GALLERY_DONE}) {
        const res::MenuDef* def = res::FindMenu(id);
        ASSERT_NE(def, nullptr);
        for (const res::MenuItemDef& key : def->keys) {
            EXPECT_FALSE(res::LoadString(key.text).empty());
            for (std::size_t i = 0; i < key.popupCount; ++i) {
                const bool separator = (key.popup[i].flags & res::kMenuSeparator) != 0;
                EXPECT_EQ(res::LoadString(key.popup[i].text).empty(), separator);
            }
        }
    }
    EXPECT_EQ(res::FindMenu(res::IDM_NONE), nullptr);
}

TEST(IconGlyphs, OutOfRangeGivesABlank) {
    EXPECT_NE(res::IconGlyph(0, 0), L' ');
    EXPECT_EQ(res::IconGlyph(0, res::IconCount()), L' ');
    EXPECT_EQ(res::IconGlyph(res::kIconSetCount, 0), L' ');
    EXPECT_EQ(res::IconGlyph(2, 3), res::IconGlyph(0, 3));
    EXPECT_EQ(res::StateGlyph(2), L'✓');
    EXPECT_EQ(res::StateGlyph(-1), L' ');
    EXPECT_EQ(res::AnimationFrame(res::kAnimationFrameCount), L"");
    EXPECT_EQ(res::AnimationFrame(0).size(), res::AnimationFrame(7).size());
}

}  // namespace
