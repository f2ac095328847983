#include "platform/sys/KnownFolders.h"

#include <gtest/gtest.h>

#include "support/ScopedEnvironment.h"

namespace {

using testing_support::ScopedEnvironment;

TEST(KnownFolders, EnvironmentDecidesInOrder) {
    ScopedEnvironment home("HOME", "/home/pat");
    ScopedEnvironment coinvale("COINVALE_HOME", std::nullopt);
    ScopedEnvironment config("XDG_CONFIG_HOME", std::nullopt);
    ScopedEnvironment documents("XDG_DOCUMENTS_DIR", std::nullopt);
    EXPECT_EQ(sys::ConfigFolder(), "/home/pat/.config/coinvale/");
    EXPECT_EQ(sys::DocumentsFolder(), "/home/pat/Documents/");
    {
        // Relative XDG paths are ignored, as the XDG rules say.
        ScopedEnvironment relative("XDG_CONFIG_HOME", "cfg");
        ScopedEnvironment relativeDocs("XDG_DOCUMENTS_DIR", "docs");
        EXPECT_EQ(sys::ConfigFolder(), "/home/pat/.config/coinvale/");
        EXPECT_EQ(sys::DocumentsFolder(), "/home/pat/Documents/");
    }
    ScopedEnvironment absolute("XDG_CONFIG_HOME", "/etc/xdg/");
    ScopedEnvironment docs("XDG_DOCUMENTS_DIR", "/data/Docs");
    EXPECT_EQ(sys::ConfigFolder(), "/etc/xdg/coinvale/");
    EXPECT_EQ(sys::DocumentsFolder(), "/data/Docs/");
    ScopedEnvironment own("COINVALE_HOME", "/tmp/trial");
    EXPECT_EQ(sys::ConfigFolder(), "/tmp/trial/");
}

}  // namespace
