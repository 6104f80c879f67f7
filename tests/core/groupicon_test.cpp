// Group icons: shortcuts on Windows 95 images, Program Manager items on Windows NT images, the
// Create Group Icon command and the file a Ctrl-drag carries.
#include "groups/GroupFile.h"
#include "groups/GroupIcon.h"
#include "groups/GroupPane.h"
#include "platform/curdir.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/shelllink.h"
#include "resources/strings.h"
#include "tests/support/FakeGroupTree.h"
#include "tests/support/InstallFixture.h"

#include <gtest/gtest.h>

namespace {

const char* const kIconError = "An error has occurred while placing the group on Start menu";

class GroupIconTest : public InstallFixture {
protected:
    explicit GroupIconTest(bool nt = false) : InstallFixture(nt), pane(tree) {}
    FontGroup* AddGroup(const std::string& name) {
        auto group = std::make_unique<FontGroup>(app->ProgramFolder(), name);
        SaveGroup(*group, nullptr);
        return app->m_groupList->AddTail(std::move(group));
    }
    int Place(int mode, const std::string& name, const std::string& folder = {}) {
        GroupJob job;
        job.m_nMode = mode;
        return PlaceGroupIcon(job, name, folder);
    }
    FakeGroupTree tree;
    GroupPane pane;
};

TEST_F(GroupIconTest, ShortcutOfGroupSansInModeThree) {
    FontGroup* sans = AddGroup("Sans");
    EXPECT_EQ(DefaultShortcutFolder(), "C:\\WINDOWS\\Desktop");
    EXPECT_EQ(Place(3, "sans"), 1); // found without regard to case
    const std::string path = "C:\\WINDOWS\\Desktop\\Sans.LNK";
    auto bytes = platform::ReadWholeFile(path);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, 4), std::string("\x4C\0\0\0", 4)); // a shell link's header size
    auto link = platform::DecodeShellLink(*bytes);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->target, sans->m_strPath);
    EXPECT_EQ(link->target, "C:\\KELVRA\\TYPESTOW\\Sans.FGP");
    EXPECT_EQ(link->arguments, "/Q");
    EXPECT_EQ(link->description, "Shortcut toSans");
    EXPECT_EQ(link->workingFolder, platform::GetCurrentDirectory());
    EXPECT_EQ(link->targetSize, 131u);
    EXPECT_TRUE(ui.boxes.empty());

    // A second icon overwrites the first.
    EXPECT_EQ(Place(1, "Sans"), 1);
    EXPECT_EQ(platform::ReadShellLink(path)->arguments, "/P");
    EXPECT_EQ(Place(2, "Sans", "C:\\TEMP\\"), 0); // no such folder
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(Place(2, "Sans", "C:\\WINDOWS\\TEMP\\"), 1);
    EXPECT_EQ(platform::ReadShellLink("C:\\WINDOWS\\TEMP\\Sans.LNK")->arguments, "/T");
}

TEST_F(GroupIconTest, SwitchesOfTheModes) {
    const struct {
        int mode;
        const char* sw;
    } cases[] = {{1, "/P"}, {2, "/T"}, {3, "/Q"}, {0, "/Q"}, {7, "/Q"}};
    for (const auto& c : cases) EXPECT_STREQ(GroupIconSwitch(c.mode), c.sw) << c.mode;
}

TEST_F(GroupIconTest, FailuresShowTheMessageAndUnknownNamesDoNothing) {
    AddGroup("Sans");
    image.WriteFile("C:\\WINDOWS\\Desktop\\Sans.LNK", "old");
    ASSERT_TRUE(platform::SetFileAttributes("C:\\WINDOWS\\Desktop\\Sans.LNK", platform::kAttrReadOnly));
    EXPECT_EQ(Place(3, "Sans"), 0);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, kIconError);
    EXPECT_EQ(ui.boxes[0].Buttons(), platform::kMbOk);
    EXPECT_EQ(image.ReadFile("C:\\WINDOWS\\Desktop\\Sans.LNK"), "old");

    ui.boxes.clear();
    EXPECT_EQ(Place(3, "Nobody"), 0);
    EXPECT_TRUE(ui.boxes.empty());

    // A name read from a foreign file never leads the shortcut out of its folder.
    FontGroup* odd = AddGroup("Odd");
    odd->m_strName = "..\\..\\Evil";
    EXPECT_EQ(Place(3, "..\\..\\Evil"), 0);
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_FALSE(image.Exists("C:\\Evil.LNK"));
}

TEST_F(GroupIconTest, CreateGroupIconAsksForTheTypeOnGroupNodes) {
    AddGroup("Sans");
    auto font = std::make_unique<FontItem>();
    font->m_strFullName = "Sans"; // a font labelled like a group
    font->m_strFilePath = "C:\\F\\s.ttf";
    font->m_nType = FT_TRUETYPE;
    app->m_groupList->GetAt(0)->m_pFonts->AddTail(std::move(font));
    pane.RefillGroupTree();

    ui.iconTypeAnswers = {std::nullopt, 2, 1};
    pane.CreateGroupIcon(); // nothing selected
    tree.Select(tree.Find("Sans", "Sans"));
    pane.CreateGroupIcon(); // a font node names no group
    EXPECT_EQ(ui.iconTypeAnswers.size(), 3u);

    tree.Select(tree.Find("Sans"));
    pane.OnPaneCommand(32793); // cancelled
    EXPECT_FALSE(image.Exists("C:\\WINDOWS\\Desktop\\Sans.LNK"));
    pane.OnPaneCommand(32793);
    EXPECT_EQ(platform::ReadShellLink("C:\\WINDOWS\\Desktop\\Sans.LNK")->arguments, "/T");
    pane.OnPaneCommand(32793);
    EXPECT_EQ(platform::ReadShellLink("C:\\WINDOWS\\Desktop\\Sans.LNK")->arguments, "/P");
    EXPECT_EQ(ui.m_waitDepth, 0);
}

TEST_F(GroupIconTest, ShellDragOfAGroupCarriesAFreshShortcutInTheTemporaryFolder) {
    FontGroup* sans = AddGroup("Sans");
    image.WriteFile("C:\\WINDOWS\\TEMP\\Sans.LNK", "stale");
    const std::string file = GroupShellDragFile(*sans);
    EXPECT_EQ(file, "C:\\WINDOWS\\TEMP\\Sans.LNK");
    auto link = platform::ReadShellLink(file);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->arguments, "/Q");
    EXPECT_EQ(link->target, sans->m_strPath);

    auto font = std::make_unique<FontItem>();
    font->m_strFullName = "A";
    font->m_nType = FT_TRUETYPE;
    sans->m_pFonts->AddTail(std::move(font));
    pane.RefillGroupTree();
    tree.Select(tree.Find("Sans"));
    EXPECT_EQ(pane.ShellDragGroup(), sans);
    tree.Select(tree.Find("Sans", "A")); // a selected font node drags nothing
    EXPECT_EQ(pane.ShellDragGroup(), nullptr);
    tree.Select(nullptr);
    EXPECT_EQ(pane.ShellDragGroup(), nullptr);
}

class GroupIconNtTest : public GroupIconTest {
protected:
    GroupIconNtTest() : GroupIconTest(true) {}
    std::vector<std::string> Items(size_t group) { return platform::progman::Groups().at(group).items; }
};

TEST_F(GroupIconNtTest, ItemLandsInTheStartupGroupWithTheQuotedPathAndSwitch) {
    FontGroup* sans = AddGroup("Sans");
    EXPECT_EQ(DefaultShortcutFolder(), "C:\\WINNT\\Desktop");
    app->m_strGroupIconFolder = "Startup";
    EXPECT_EQ(Place(2, "Sans", "C:\\ignored"), 1);
    EXPECT_EQ(Items(0), (std::vector<std::string>{"\"" + sans->m_strPath + "\"  /T"}));
    EXPECT_EQ(ProgramManagerItemText(2, *sans), "\"C:\\KELVRA\\TYPESTOW\\Sans.FGP\"  /T");
    EXPECT_FALSE(image.Exists("C:\\WINNT\\Desktop\\Sans.LNK"));

    // The Ctrl-drag carries the group file itself.
    EXPECT_EQ(GroupShellDragFile(*sans), sans->m_strPath);
    EXPECT_EQ(DropGroupFileOnProgramManager(1, {5, 6}, *sans), 1);
    EXPECT_EQ(Items(1), (std::vector<std::string>{sans->m_strPath}));
}

TEST_F(GroupIconNtTest, GroupChoiceByTitle) {
    using platform::progman::Group;
    const auto groups = [](std::vector<std::string> titles) {
        std::vector<Group> out;
        for (auto& t : titles) out.push_back(Group{t, {}, false, {}});
        return out;
    };
    const struct {
        const char* what;
        std::vector<Group> groups;
        std::string title;
        int chosen;
    } cases[] = {
        {"Startup found", groups({"Main", "Startup"}), "Startup", 1},
        {"title compared exactly", groups({"Main", "startup"}), "Startup", 0},
        {"no such title: the first", groups({"Main", "Games"}), "Startup", 0},
        {"GroupIconFolder Fonts", groups({"Startup", "Fonts"}), "Fonts", 1},
        {"no group window", {}, "Startup", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(ChooseProgramManagerGroup(c.groups, c.title), c.chosen) << c.what;
}

TEST_F(GroupIconNtTest, GroupIconFolderFontsChoosesTheFontsGroup) {
    ASSERT_TRUE(platform::progman::CreateStore(
        {{"Startup", {0, 0, 100, 100}, false, {}}, {"Fonts", {50, 60, 300, 300}, false, {}}}));
    AddGroup("Sans");
    app->m_strGroupIconFolder = "Fonts";
    EXPECT_EQ(Place(1, "Sans"), 1);
    EXPECT_TRUE(Items(0).empty());
    EXPECT_EQ(Items(1).size(), 1u);
}

TEST_F(GroupIconNtTest, NoGroupWindowOrNoProgramManagerIsAnError) {
    AddGroup("Sans");
    ASSERT_TRUE(platform::progman::CreateStore({}));
    EXPECT_EQ(Place(3, "Sans"), 0);
    ASSERT_TRUE(platform::CurrentImage().SetServiceFlag("ProgramManager", false));
    EXPECT_EQ(Place(3, "Sans"), 0);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].text, kIconError);
    EXPECT_EQ(ui.boxes[1].text, kIconError);
}

TEST_F(GroupIconNtTest, DropPointFromTheGroupWindow) {
    const int cx = platform::GetSystemMetrics(platform::kSmCxIcon);
    const int cy = platform::GetSystemMetrics(platform::kSmCyIcon);
    const int menu = platform::GetSystemMetrics(platform::kSmCyMenu);
    platform::progman::Group open{"Main", {10, 20, 300, 200}, false, {}};
    platform::progman::Group iconic{"Games", {11, 21, 300, 200}, true, {}};
    DropPoint p = ProgramManagerDropPoint(open);
    EXPECT_EQ(p.x, 10 + cx);
    EXPECT_EQ(p.y, 20 + menu + cy);
    p = ProgramManagerDropPoint(iconic);
    EXPECT_EQ(p.x, 11 + cx / 2);
    EXPECT_EQ(p.y, 21 + cy / 2);
}

} // namespace
