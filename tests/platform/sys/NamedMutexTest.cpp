#include "platform/sys/NamedMutex.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ScopedEnvironment;
using testing_support::TempFolder;

TEST(NamedMutex, OneHolderAtATimeAndFreedWhenTheHolderEnds) {
    TempFolder runtime;
    const std::string path = runtime.Path();
    ScopedEnvironment folder("XDG_RUNTIME_DIR", path.substr(0, path.size() - 1));
    sys::NamedMutex first("Trial");
    sys::NamedMutex second("Trial");
    sys::NamedMutex other("Other");
    ASSERT_EQ(first.TryAcquire(), sys::NamedMutex::kAcquired);
    EXPECT_EQ(first.TryAcquire(), sys::NamedMutex::kAcquired);  // already its own
    EXPECT_EQ(second.TryAcquire(), sys::NamedMutex::kHeldElsewhere);
    EXPECT_EQ(other.TryAcquire(), sys::NamedMutex::kAcquired);
    EXPECT_EQ(sys::NamedMutex::LockPath("Trial"), runtime.Path() + "coinvale/Trial.lock");
    first.Release();
    EXPECT_EQ(second.TryAcquire(), sys::NamedMutex::kAcquired);
    second.Release();

    // A holder that ends without releasing (a crash) leaves the mutex free.
    const pid_t child = ::fork();
    if (child == 0) {
        sys::NamedMutex held("Trial");
        ::_exit(held.TryAcquire() == sys::NamedMutex::kAcquired ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(first.TryAcquire(), sys::NamedMutex::kAcquired);
}

TEST(NamedMutex, NoRuntimeFolderMeansNoMutex) {
    TempFolder runtime;
    // A runtime folder that is a file cannot hold the lock file.
    const std::string file = runtime.File("file");
    testing_support::WriteBytes(file, {1});
    ScopedEnvironment folder("XDG_RUNTIME_DIR", file);
    sys::NamedMutex mutex("Trial");
    EXPECT_EQ(mutex.TryAcquire(), sys::NamedMutex::kUnavailable);
    EXPECT_FALSE(mutex.IsHeld());
}

}  // namespace
