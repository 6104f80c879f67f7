#include "platform/broadcast.h"

#include "platform/session.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

struct Counter : FontChangeListener {
    int calls = 0;
    void OnFontChange() override { ++calls; }
};

// A listener that takes itself out while being told.
struct OneShot : FontChangeListener {
    int calls = 0;
    void OnFontChange() override {
        ++calls;
        RemoveFontChangeListener(this);
    }
};

} // namespace

TEST(FontChangeNotice, SentAtOncePostedFromTheQueue) {
    TestImage image;
    Counter window;
    OneShot once;
    AddFontChangeListener(&window);
    AddFontChangeListener(&window); // added once only
    AddFontChangeListener(&once);
    EnsureSession();
    const uint64_t start = FontChangeSequence();

    EXPECT_EQ(SendFontChange(), 1);
    EXPECT_EQ(window.calls, 1);
    EXPECT_EQ(once.calls, 1);
    EXPECT_EQ(FontChangeSequence(), start + 1);

    EXPECT_EQ(PostFontChange(), 1);
    EXPECT_EQ(PostFontChange(), 1);
    EXPECT_EQ(window.calls, 1) << "posted notices wait for the event loop";
    EXPECT_EQ(FontChangeSequence(), start + 3) << "other programs see a posted notice at once";
    EXPECT_EQ(PendingPostedFontChanges(), 2);
    EXPECT_EQ(DispatchPostedFontChanges(), 2);
    EXPECT_EQ(window.calls, 3);
    EXPECT_EQ(once.calls, 1);
    EXPECT_EQ(DispatchPostedFontChanges(), 0);

    RemoveFontChangeListener(&window);
    SendFontChange();
    EXPECT_EQ(window.calls, 3);
}

TEST(FontChangeNotice, AnotherProgramSeesTheChangeAndTheRestart) {
    TestImage image;
    EnsureSession();
    FontChangeWatcher watcher;
    EXPECT_FALSE(watcher.Poll());
    const uint64_t seen = FontChangeSequence();

    pid_t pid = ::fork();
    if (pid == 0) {
        PostFontChange();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_TRUE(FontsChangedSince(seen));
    EXPECT_TRUE(watcher.Poll());
    EXPECT_FALSE(watcher.Poll()) << "once per change";

    // A restart empties the font table: watchers must see it as a change, never a step back.
    const uint64_t before = FontChangeSequence();
    ASSERT_TRUE(RestartSession());
    EXPECT_GT(FontChangeSequence(), before);
    EXPECT_TRUE(watcher.Poll());
}
