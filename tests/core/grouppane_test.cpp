// The Groups pane without its window: new groups, label edits, Copy, Paste, Delete, Install, the
// View filter, drags out of and onto the pane, and the menu state.
#include "app/folders.h"
#include "groups/GroupFile.h"
#include "groups/GroupPane.h"
#include "install/DragDrop.h"
#include "install/batches.h"
#include "platform/files.h"
#include "platform/shelllink.h"
#include "resources/strings.h"
#include "tests/support/FakeGroupTree.h"
#include "tests/support/InstallFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

using platform::kIdNo;
using platform::kIdYes;

class GroupPaneTest : public InstallFixture {
protected:
    GroupPaneTest() : pane(tree), folder(app->ProgramFolder()) {}

    // A saved group in the program folder, in m_groupList.
    FontGroup* AddGroup(const std::string& name, std::vector<std::unique_ptr<FontItem>> fonts = {}) {
        auto group = std::make_unique<FontGroup>(folder, name);
        for (auto& font : fonts) group->m_pFonts->AddTail(std::move(font));
        EXPECT_EQ(SaveGroup(*group, nullptr), 1);
        return app->m_groupList->AddTail(std::move(group));
    }
    static std::vector<std::unique_ptr<FontItem>> Fonts(std::unique_ptr<FontItem> a,
                                                        std::unique_ptr<FontItem> b = nullptr,
                                                        std::unique_ptr<FontItem> c = nullptr) {
        std::vector<std::unique_ptr<FontItem>> out;
        for (auto* f : {&a, &b, &c})
            if (*f) out.push_back(std::move(*f));
        return out;
    }
    // The group as its file holds it now.
    std::unique_ptr<FontGroup> ReadBack(const std::string& path) {
        auto group = std::make_unique<FontGroup>();
        auto file = platform::ReadFile::Open(path);
        if (file) ReadGroupFile(*file, path, *group);
        return group;
    }
    std::vector<std::string> FontNames(const FontGroup& group) {
        std::vector<std::string> out;
        for (FontItem* f : *group.m_pFonts) out.push_back(f->m_strFullName);
        return out;
    }
    // File names in the program folder, exactly as the host spells them.
    std::set<std::string> GroupFiles() {
        std::set<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(image.Host(folder)))
            if (e.path().extension() == ".FGP") out.insert(e.path().filename().string());
        return out;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto& box : ui.boxes) out.push_back(box.text);
        return out;
    }

    FakeGroupTree tree;
    GroupPane pane;
    std::string folder;
};

TEST_F(GroupPaneTest, NewGroupTakesTheFirstFreeNameWithoutRegardToCaseAndOpensItsEditor) {
    AddGroup("NewGroup");
    AddGroup("newgroup2");
    pane.RefillGroupTree();
    pane.NewGroup();

    FakeGroupTree::Node* node = tree.Find("NewGroup3");
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(tree.selected, node);
    ASSERT_EQ(tree.edited.size(), 1u);
    EXPECT_EQ(tree.edited[0], node);
    EXPECT_EQ(app->m_groupList->GetCount(), 3u);
    EXPECT_EQ(node->desc.group->m_strPath, folder + "NewGroup3.FGP");
    EXPECT_TRUE(image.Exists(folder + "NewGroup3.FGP"));
    EXPECT_GE(ui.m_waitCount, 1);
    EXPECT_EQ(ui.m_waitDepth, 0);

    // A file no loaded group owns keeps its name too.
    image.WriteFile(folder + "NewGroup4.FGP", "not a group of ours");
    pane.NewGroup();
    EXPECT_NE(tree.Find("NewGroup5"), nullptr);
    EXPECT_EQ(image.ReadFile(folder + "NewGroup4.FGP"), "not a group of ours");
}

TEST_F(GroupPaneTest, NewGroupWithFontsSavesThemAndShowsThem) {
    auto fonts = std::make_unique<FontList>();
    fonts->AddTail(TrueType("Zeta", "C:\\F\\z.ttf"));
    fonts->AddTail(TrueType("Alpha", "C:\\F\\a.ttf"));
    pane.NewGroupWithFonts(std::move(fonts));

    FakeGroupTree::Node* node = tree.Find("NewGroup");
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(tree.Labels(node), (std::vector<std::string>{"Alpha", "Zeta"}));
    EXPECT_EQ(FontNames(*ReadBack(folder + "NewGroup.FGP")), (std::vector<std::string>{"Zeta", "Alpha"}));
    EXPECT_EQ(tree.edited.size(), 1u);
}

struct NameCase {
    const char* what;
    std::string typed;
    LabelEditOutcome outcome;
    std::string message; // "" for none
};

TEST_F(GroupPaneTest, LabelEditChecksReopenTheEditorWithTheirMessages) {
    const std::string invalid = LoadString(IDS_GROUP_NAME_INVALID);
    const NameCase cases[] = {
        {"a colon", "A:B", LabelEditOutcome::Invalid, invalid},
        {"another group's name in other case", "OTHER", LabelEditOutcome::Duplicate,
         "Group name already exists. Please choose a different name."},
        {"only blanks", "   ", LabelEditOutcome::Blank, ""},
        {"nothing", "", LabelEditOutcome::Blank, ""},
        {"too long for the file", std::string(128, 'x'), LabelEditOutcome::TooLong,
         LoadString(IDS_GROUP_NAME_TOO_LONG)},
        {"blanks count toward the length", std::string(120, 'x') + std::string(8, ' '),
         LabelEditOutcome::TooLong, LoadString(IDS_GROUP_NAME_TOO_LONG)},
    };
    FontGroup* sans = AddGroup("Sans");
    AddGroup("Other");
    pane.RefillGroupTree();
    FakeGroupTree::Node* node = tree.Find("Sans");
    for (const auto& c : cases) {
        ui.boxes.clear();
        tree.edited.clear();
        EXPECT_EQ(pane.LabelEditEnded(FakeGroupTree::Handle(node), c.typed), c.outcome) << c.what;
        ASSERT_EQ(tree.edited.size(), 1u) << c.what;
        EXPECT_EQ(tree.edited[0], node) << c.what;
        if (c.message.empty()) {
            EXPECT_TRUE(ui.boxes.empty()) << c.what;
        } else {
            ASSERT_EQ(ui.boxes.size(), 1u) << c.what;
            EXPECT_EQ(ui.boxes[0].text, c.message) << c.what;
            EXPECT_EQ(ui.boxes[0].caption, "Error") << c.what;
            EXPECT_EQ(ui.boxes[0].Buttons(), platform::kMbOk) << c.what;
        }
        EXPECT_EQ(sans->m_strName, "Sans") << c.what;
        EXPECT_EQ(node->desc.label, "Sans") << c.what;
    }
    EXPECT_EQ(GroupFiles(), (std::set<std::string>{"Other.FGP", "Sans.FGP"}));
}

TEST_F(GroupPaneTest, EveryForbiddenCharacterIsRefusedAndAccentedLettersAreNot) {
    for (char c : std::string("\\/:*?\"<>|\x7F\x80\x81\x8D\x8E\x8F\x90\x9D\x9E\xA0"))
        EXPECT_FALSE(IsValidGroupName(std::string("a") + c + "b")) << int(static_cast<unsigned char>(c));
    for (const char* ok : {"Caf\xE9", "Fonts (old)", "A.B",
                           "\x8A\x9A"
                           "a",
                           "100%"})
        EXPECT_TRUE(IsValidGroupName(ok)) << ok;
}

TEST_F(GroupPaneTest, SameNameInOtherCaseRenamesTheFile) {
    FontGroup* sans = AddGroup("Sans", Fonts(TrueType("DejaVu Sans", "C:\\F\\sans.ttf")));
    AddGroup("Mono");
    pane.RefillGroupTree();
    FakeGroupTree::Node* node = tree.Find("Sans");
    ASSERT_FALSE(node->expanded);

    EXPECT_EQ(pane.LabelEditEnded(FakeGroupTree::Handle(node), std::string("SANS")),
              LabelEditOutcome::Renamed);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(tree.edited.empty());
    EXPECT_EQ(sans->m_strName, "SANS");
    EXPECT_EQ(node->desc.label, "SANS");
    EXPECT_EQ(tree.selected, node);
    EXPECT_TRUE(node->expanded);
    EXPECT_EQ(GroupFiles(), (std::set<std::string>{"Mono.FGP", "SANS.FGP"}));
    EXPECT_EQ(ReadBack(folder + "SANS.FGP")->m_strName, "SANS");

    // A new name re-sorts the top level; trailing blanks are kept as typed.
    EXPECT_EQ(pane.LabelEditEnded(FakeGroupTree::Handle(node), std::string("Alpha  ")),
              LabelEditOutcome::Renamed);
    EXPECT_EQ(tree.Labels(), (std::vector<std::string>{"Alpha  ", "Mono"}));
    EXPECT_EQ(GroupFiles(), (std::set<std::string>{"Mono.FGP", "Alpha  .FGP"}));
}

TEST_F(GroupPaneTest, EditsOfFontNodesAndCancelledEditsChangeNothing) {
    AddGroup("Sans", Fonts(TrueType("DejaVu Sans", "C:\\F\\sans.ttf")));
    pane.RefillGroupTree();
    FakeGroupTree::Node* font = tree.Find("Sans", "DejaVu Sans");
    EXPECT_EQ(pane.LabelEditEnded(FakeGroupTree::Handle(font), std::string("Other")),
              LabelEditOutcome::Ignored);
    EXPECT_EQ(pane.LabelEditEnded(FakeGroupTree::Handle(tree.Find("Sans")), std::nullopt),
              LabelEditOutcome::Ignored);
    EXPECT_EQ(font->desc.label, "DejaVu Sans");
    EXPECT_TRUE(tree.edited.empty());
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(GroupPaneTest, RenameOpensTheEditorOnGroupNodesOnly) {
    AddGroup("Sans", Fonts(TrueType("DejaVu Sans", "C:\\F\\sans.ttf")));
    pane.RefillGroupTree();
    pane.Rename();
    tree.Select(tree.Find("Sans", "DejaVu Sans"));
    pane.Rename();
    EXPECT_TRUE(tree.edited.empty());
    tree.Select(tree.Find("Sans"));
    pane.Rename();
    EXPECT_EQ(tree.edited.size(), 1u);
}

TEST_F(GroupPaneTest, NodesAreSortedWithLabelsAndImagesOfTheirKind) {
    auto other = TrueType("Odd", "C:\\F\\odd.fon");
    other->m_nType = FT_OTHER;
    AddGroup("beta", Fonts(Type1("Times", "bold", "C:\\PS\\TIB.PFM"), TrueType("Arial", "C:\\F\\a.ttf"),
                           std::move(other)));
    AddGroup("Alpha", Fonts(Type1("Courier", "", "C:\\PS\\COUR.PFM")));
    pane.RefillGroupTree();

    EXPECT_EQ(tree.Labels(), (std::vector<std::string>{"Alpha", "beta"}));
    FakeGroupTree::Node* beta = tree.Find("beta");
    EXPECT_EQ(tree.Labels(beta), (std::vector<std::string>{"Arial", "Odd", "Times,bold"}));
    EXPECT_EQ(beta->desc.image, kGroupImageClosed);
    EXPECT_EQ(beta->desc.selectedImage, kGroupImageOpen);
    EXPECT_EQ(tree.Find("beta", "Arial")->desc.image, kGroupImageTrueType);
    EXPECT_EQ(tree.Find("beta", "Times,bold")->desc.image, kGroupImageType1);
    EXPECT_EQ(tree.Find("Alpha", "Courier")->desc.image, kGroupImageType1);
    // Any other type is still a font node by its image, with its font as data.
    FakeGroupTree::Node* odd = tree.Find("beta", "Odd");
    EXPECT_EQ(odd->desc.image, kGroupImageOtherFont);
    EXPECT_TRUE(pane.IsFontNode(FakeGroupTree::Handle(odd)));
    EXPECT_EQ(odd->desc.font, beta->desc.group->m_pFonts->GetAt(2));
}

TEST_F(GroupPaneTest, RefusedInsertionShowsTheMessageAndThePaneGoesOn) {
    AddGroup("Sans");
    tree.refuseInsert = true;
    pane.RefillGroupTree();
    EXPECT_TRUE(tree.roots.empty());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Error");
}

TEST_F(GroupPaneTest, CopyTakesTheWholeGroupWhateverTheFilterOrOneFont) {
    AddGroup("Mixed", Fonts(TrueType("Arial", "C:\\F\\ARIAL.TTF"), Type1("Times", "bold", "C:\\PS\\TIB.PFM"),
                            TrueType("Arial", "D:\\other\\arial.ttf")));
    app->m_nViewType = 4;
    pane.RefillGroupTree();
    app->m_clipboard->AddTail(TrueType("Old", "C:\\F\\old.ttf"));

    tree.Select(tree.Find("Mixed"));
    pane.Copy();
    std::vector<std::string> names;
    for (FontItem* f : *app->m_clipboard) names.push_back(f->m_strFullName);
    // The second Arial is the same font in the same file (base names ignore case).
    EXPECT_EQ(names, (std::vector<std::string>{"Arial", "Times"}));

    tree.Select(tree.Find("Mixed", "Arial"));
    pane.Copy();
    ASSERT_EQ(app->m_clipboard->GetCount(), 1u);
    EXPECT_NE(app->m_clipboard->GetAt(0), tree.Find("Mixed", "Arial")->desc.font);

    tree.Select(nullptr);
    pane.Copy();
    EXPECT_TRUE(app->m_clipboard->IsEmpty());
}

TEST_F(GroupPaneTest, PasteDropsUnusableFontsWithOneError) {
    FontGroup* group = AddGroup("Sans");
    pane.RefillGroupTree();
    const std::string tempFont = TempFontFolder();
    app->m_clipboard->AddTail(TrueType("Temp Only", tempFont + "\\t.ttf"));
    auto withOrigin = TrueType("Temp Known", tempFont + "\\k.ttf");
    withOrigin->m_strOriginalPath = "D:\\FONTS\\k.ttf";
    app->m_clipboard->AddTail(std::move(withOrigin));
    app->m_clipboard->AddTail(TrueType("No File", ""));
    app->m_clipboard->AddTail(TrueType("Good", "C:\\F\\good.ttf"));
    app->m_clipboard->AddTail(TrueType("Bare", "bare.ttf"));

    tree.Select(tree.Find("Sans"));
    pane.Paste();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Some fonts have invalid fontfiles.");
    EXPECT_EQ(ui.boxes[0].caption, "Error");
    EXPECT_EQ(ui.boxes[0].Icon(), platform::kMbIconWarning);
    EXPECT_EQ(app->m_clipboard->GetCount(), 3u);
    EXPECT_EQ(tree.Labels(tree.Find("Sans")), (std::vector<std::string>{"Bare", "Good", "Temp Known"}));
    auto saved = ReadBack(group->m_strPath);
    ASSERT_EQ(saved->m_pFonts->GetCount(), 3u);
    // The group keeps the file a TempFont copy came from.
    EXPECT_EQ(saved->m_pFonts->GetAt(0)->m_strFilePath, "D:\\FONTS\\k.ttf");

    // The error is shown whatever the warnings say.
    app->m_bShowWarnings = 0;
    ui.boxes.clear();
    app->m_clipboard->AddTail(TrueType("Temp Only", tempFont + "\\t.ttf"));
    pane.Paste();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Some fonts have invalid fontfiles."}));
}

TEST_F(GroupPaneTest, PasteOfFontsAllInTheGroupShowsOneNoticeAndRewritesTheFile) {
    FontGroup* group = AddGroup("Sans", Fonts(TrueType("A", "C:\\F\\a.ttf"), TrueType("B", "C:\\F\\b.ttf")));
    pane.RefillGroupTree();
    app->m_clipboard->AddTail(TrueType("A", "D:\\X\\A.TTF"));
    app->m_clipboard->AddTail(TrueType("B", "C:\\F\\b.ttf"));
    image.WriteFile(group->m_strPath, "stale");

    tree.Select(tree.Find("Sans", "A")); // a font node pastes into its group
    pane.Paste();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Some fonts are already included in the group"}));
    EXPECT_EQ(ui.boxes[0].caption, "Notice");
    EXPECT_EQ(ui.boxes[0].Icon(), platform::kMbIconInformation);
    EXPECT_EQ(group->m_pFonts->GetCount(), 2u);
    EXPECT_EQ(tree.Find("Sans")->children.size(), 2u);
    EXPECT_EQ(FontNames(*ReadBack(group->m_strPath)), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(app->m_clipboard->GetCount(), 2u);

    app->m_bShowWarnings = 0;
    ui.boxes.clear();
    pane.Paste();
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(GroupPaneTest, PasteIgnoresTheFilterAndNeedsATarget) {
    FontGroup* group = AddGroup("Fonts");
    app->m_nViewType = 4;
    pane.RefillGroupTree();
    app->m_clipboard->AddTail(Type1("Times", "bold", "C:\\PS\\TIB.PFM"));
    pane.Paste(); // nothing selected: no group to paste into
    EXPECT_TRUE(group->m_pFonts->IsEmpty());
    EXPECT_EQ(app->m_clipboard->GetCount(), 1u);

    tree.Select(tree.Find("Fonts"));
    pane.Paste();
    EXPECT_EQ(tree.Labels(tree.Find("Fonts")), (std::vector<std::string>{"Times,bold"}));
    pane.RefillGroupTree();
    EXPECT_TRUE(tree.Find("Fonts")->children.empty());
}

TEST_F(GroupPaneTest, DeleteOfAGroupWithARead_onlyFileKeepsTheFile) {
    FontGroup* locked = AddGroup("Locked", Fonts(TrueType("A", "C:\\F\\a.ttf")));
    AddGroup("Plain");
    const std::string lockedPath = locked->m_strPath;
    ASSERT_TRUE(platform::SetFileAttributes(lockedPath, platform::kAttrReadOnly));
    pane.RefillGroupTree();

    tree.Select(tree.Find("Locked"));
    ui.Answer(kIdNo);
    pane.Delete();
    EXPECT_EQ(app->m_groupList->GetCount(), 2u);
    EXPECT_EQ(ui.boxes[0].text, "Are you sure you want to delete this group?");
    EXPECT_EQ(ui.boxes[0].caption, "Deleting a Group");
    EXPECT_EQ(ui.boxes[0].Buttons(), platform::kMbYesNo);

    ui.Answer(kIdYes);
    pane.Delete();
    EXPECT_EQ(tree.Labels(), (std::vector<std::string>{"Plain"}));
    EXPECT_EQ(app->m_groupList->GetCount(), 1u);
    EXPECT_TRUE(image.Exists(lockedPath));

    app->m_bShowWarnings = 0;
    tree.Select(tree.Find("Plain"));
    pane.Delete();
    EXPECT_TRUE(tree.roots.empty());
    EXPECT_TRUE(app->m_groupList->IsEmpty());
    EXPECT_EQ(GroupFiles(), (std::set<std::string>{"Locked.FGP"}));
}

TEST_F(GroupPaneTest, DeleteOfAFontNodeRemovesItFromTheGroupAndItsFile) {
    FontGroup* group = AddGroup("Sans", Fonts(TrueType("A", "C:\\F\\a.ttf"), TrueType("B", "C:\\F\\b.ttf")));
    pane.RefillGroupTree();
    tree.Select(tree.Find("Sans", "A"));
    ui.Answer(kIdYes);
    pane.Delete();
    EXPECT_EQ(ui.boxes[0].text, "Are you sure you want to remove the selected font from this group?");
    EXPECT_EQ(ui.boxes[0].caption, "Deleting a Group Font");
    EXPECT_EQ(tree.Labels(tree.Find("Sans")), (std::vector<std::string>{"B"}));
    EXPECT_EQ(FontNames(*group), (std::vector<std::string>{"B"}));
    EXPECT_EQ(FontNames(*ReadBack(group->m_strPath)), (std::vector<std::string>{"B"}));
}

TEST_F(GroupPaneTest, CutCopiesThenDeletes) {
    FontGroup* group = AddGroup("Sans", Fonts(TrueType("A", "C:\\F\\a.ttf"), TrueType("B", "C:\\F\\b.ttf")));
    pane.RefillGroupTree();
    tree.Select(tree.Find("Sans", "B"));
    app->m_bShowWarnings = 0;
    pane.Cut();
    ASSERT_EQ(app->m_clipboard->GetCount(), 1u);
    EXPECT_EQ(app->m_clipboard->GetAt(0)->m_strFullName, "B");
    EXPECT_EQ(FontNames(*group), (std::vector<std::string>{"A"}));
}

TEST_F(GroupPaneTest, PropertiesOpenOnFontNodesOnly) {
    AddGroup("Sans", Fonts(TrueType("A", "C:\\F\\a.ttf")));
    pane.RefillGroupTree();
    tree.Select(tree.Find("Sans"));
    pane.Properties();
    EXPECT_TRUE(tree.properties.empty());
    FakeGroupTree::Node* font = tree.Find("Sans", "A");
    font->desc.font->m_bInstalled = 1;
    tree.Select(font);
    pane.OnPaneCommand(32791);
    ASSERT_EQ(tree.properties.size(), 1u);
    EXPECT_EQ(tree.properties[0], font->desc.font);
    EXPECT_EQ(font->desc.font->m_bInstalled, 0);
}

TEST_F(GroupPaneTest, InstallCopiesAndHandsTheClipboardToTheInstalledPane) {
    AddGroup("Sans", Fonts(TrueType("A", "C:\\F\\a.ttf"), TrueType("B", "C:\\F\\b.ttf")));
    pane.RefillGroupTree();
    app->m_clipboard->AddTail(TrueType("Kept", "C:\\F\\k.ttf"));
    pane.Install(true); // nothing selected: nothing happens
    EXPECT_TRUE(tree.pastes.empty());
    EXPECT_EQ(app->m_clipboard->GetCount(), 1u);

    tree.Select(tree.Find("Sans", "B"));
    pane.OnPaneCommand(32815);
    tree.Select(tree.Find("Sans"));
    pane.OnPaneCommand(32814);
    EXPECT_EQ(tree.pastes, (std::vector<bool>{false, true}));
    EXPECT_EQ(app->m_clipboard->GetCount(), 2u);
}

struct MenuCase {
    unsigned id;
    bool fontSelected;
    bool clipboardEmpty;
    bool enabled;
};

TEST(GroupPaneMenu, ItemsFollowTheSelectedNodeAndTheClipboard) {
    const MenuCase cases[] = {
        {32772, true, false, true}, {32772, false, false, false}, // Properties
        {32773, false, true, true}, {32773, true, true, false},   // Create Group Icon
        {32774, false, true, true}, {32774, true, true, false},   // Rename
        {57637, true, false, true}, {57637, false, true, false},  // Paste
        {57634, false, true, true}, {32780, true, true, true},    // Copy, Delete
        {57600, true, true, true},  {32775, false, true, true},   // New Group, Install
    };
    for (const auto& c : cases)
        EXPECT_EQ(GroupPaneItemEnabled(c.id, c.fontSelected, c.clipboardEmpty), c.enabled)
            << c.id << " font " << c.fontSelected << " clipboard empty " << c.clipboardEmpty;
}

TEST_F(GroupPaneTest, StatusLineNamesTheFontFile) {
    AddGroup("Sans", Fonts(TrueType("A", "C:\\F\\a.ttf")));
    pane.RefillGroupTree();
    EXPECT_EQ(pane.StatusText(nullptr), "");
    EXPECT_EQ(pane.StatusText(FakeGroupTree::Handle(tree.Find("Sans"))), " ");
    FakeGroupTree::Node* font = tree.Find("Sans", "A");
    EXPECT_EQ(pane.StatusText(FakeGroupTree::Handle(font)), " C:\\F\\a.ttf");
    font->desc.font->m_strFilePath.clear();
    EXPECT_EQ(pane.StatusText(FakeGroupTree::Handle(font)), " Unknown");
}

// Drags out of and onto the pane, with real fonts for the installs.
class GroupDragTest : public GroupPaneTest {
protected:
    GroupDragTest() {
        PutTrueType("C:\\SRC\\sans.ttf");
        PutTrueType("C:\\SRC\\bold.ttf", "DejaVuSans-Bold.ttf");
        PutType1("C:\\PS\\TIB.PFM", "Times-Bold");
    }
    int Drop(DropTarget target, GroupTreeNode* highlighted = nullptr) {
        DropPanes panes{permPane, tempPane, &pane, highlighted, nullptr};
        return DropDraggedFonts(drag, target, panes);
    }
    std::vector<std::string> PermNames() const {
        std::vector<std::string> out;
        for (FontItem* f : *app->m_permList) out.push_back(f->m_strFullName);
        return out;
    }
    DragState drag;
};

TEST_F(GroupDragTest, TrueTypeOnlyFilterLimitsADraggedGroupButNotInstall) {
    AddGroup("Mixed",
             Fonts(TrueType("DejaVu Sans", "C:\\SRC\\sans.ttf"), Type1("Times", "bold", "C:\\PS\\TIB.PFM"),
                   TrueType("DejaVu Sans Bold", "C:\\SRC\\bold.ttf")));
    AddGroup("PostScript", Fonts(Type1("Times", "bold", "C:\\PS\\TIB.PFM")));
    app->m_nViewType = 4;
    pane.RefillGroupTree();
    EXPECT_TRUE(tree.Find("PostScript")->children.empty());

    FakeGroupTree::Node* mixed = tree.Find("Mixed");
    pane.BeginDrag(FakeGroupTree::Handle(mixed), &tree, drag);
    EXPECT_EQ(drag.m_nSource, DRAG_FROM_GROUPS);
    EXPECT_EQ(drag.m_pDragGroup, mixed->desc.group);
    ASSERT_EQ(drag.m_dragList.size(), 2u);
    EXPECT_EQ(drag.m_dragList[0]->m_strFullName, "DejaVu Sans"); // tree order
    const uint64_t before = NoticeSequence();
    EXPECT_EQ(Drop(DropTarget::Permanent), DROP_PERM_CHANGED);
    EXPECT_EQ(PermNames(), (std::vector<std::string>{"DejaVu Sans", "DejaVu Sans Bold"}));
    EXPECT_EQ(permPane.refills, 1);
    EXPECT_GT(NoticeSequence(), before);
    EXPECT_FALSE(drag.m_bDragging);
    EXPECT_TRUE(drag.m_dragList.empty());

    // Install takes every font of the group.
    tree.onPaste = [this](bool permanent) { PasteIntoPermanent(permPane, tempPane); };
    tree.Select(mixed);
    pane.Install(true);
    EXPECT_EQ(app->m_permList->GetCount(), 3u);
    EXPECT_NE(Registration("DejaVu Sans (TrueType)"), "<none>");
    EXPECT_NE(AtmIniValue("Times,bold"), "<none>");
}

TEST_F(GroupDragTest, TemporaryFontWithoutRecordAddsNothingButTheFileIsWritten) {
    FontGroup* group = AddGroup("Sans");
    pane.RefillGroupTree();
    PutTrueType(TempFontDir() + "\\sans.ttf");
    PutTrueType(TempFontDir() + "\\bold.ttf", "DejaVuSans-Bold.ttf");
    Add(*app->m_tempList, TrueType("DejaVu Sans", TempFontDir() + "\\sans.ttf"));
    Add(*app->m_tempList, TrueType("DejaVu Sans Bold", TempFontDir() + "\\bold.ttf"));
    FontItem known = *app->m_tempList->GetAt(1);
    known.m_strOriginalPath = "C:\\SRC\\bold.ttf";
    ASSERT_EQ(app->RecordTempInstall(known), 1);
    image.WriteFile(group->m_strPath, "stale");

    drag.m_bDragging = 1;
    drag.m_nSource = DRAG_FROM_TEMP;
    drag.m_dragList = {app->m_tempList->GetAt(0)};
    EXPECT_EQ(Drop(DropTarget::Groups, FakeGroupTree::Handle(tree.Find("Sans"))), 0);
    EXPECT_TRUE(group->m_pFonts->IsEmpty());
    EXPECT_EQ(ReadBack(group->m_strPath)->m_strName, "Sans");
    EXPECT_EQ(permPane.refills + tempPane.refills, 0);
    EXPECT_TRUE(ui.boxes.empty());

    // With a record the font joins with the file it came from.
    drag.m_bDragging = 1;
    drag.m_nSource = DRAG_FROM_TEMP;
    drag.m_dragList = {app->m_tempList->GetAt(1)};
    EXPECT_EQ(Drop(DropTarget::Groups, FakeGroupTree::Handle(tree.Find("Sans"))), DROP_GROUP_CHANGED);
    ASSERT_EQ(group->m_pFonts->GetCount(), 1u);
    EXPECT_EQ(group->m_pFonts->GetAt(0)->m_strFilePath, "C:\\SRC\\bold.ttf");
    EXPECT_TRUE(group->m_pFonts->GetAt(0)->m_strOriginalPath.empty());
}

TEST_F(GroupDragTest, DropOnAFontNodeAddsToItsGroupOnce) {
    FontGroup* group = AddGroup("Sans", Fonts(TrueType("DejaVu Sans", "C:\\SRC\\sans.ttf")));
    pane.RefillGroupTree();
    Add(*app->m_sourceList, TrueType("DejaVu Sans", "C:\\SRC\\sans.ttf"));
    Add(*app->m_sourceList, TrueType("DejaVu Sans Bold", "C:\\SRC\\bold.ttf"));
    drag.m_bDragging = 1;
    drag.m_nSource = DRAG_FROM_SOURCE;
    drag.m_dragList = {app->m_sourceList->GetAt(0), app->m_sourceList->GetAt(1)};

    EXPECT_EQ(Drop(DropTarget::Groups, FakeGroupTree::Handle(tree.Find("Sans", "DejaVu Sans"))),
              DROP_GROUP_CHANGED);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Some fonts are already included in the group"}));
    EXPECT_EQ(FontNames(*group), (std::vector<std::string>{"DejaVu Sans", "DejaVu Sans Bold"}));
    EXPECT_EQ(tree.Labels(tree.Find("Sans")), (std::vector<std::string>{"DejaVu Sans", "DejaVu Sans Bold"}));
    EXPECT_NE(group->m_pFonts->GetAt(1), app->m_sourceList->GetAt(1)); // a copy
    EXPECT_EQ(FontNames(*ReadBack(group->m_strPath)), FontNames(*group));
}

TEST_F(GroupDragTest, DropsThatDoNothing) {
    AddGroup("Sans", Fonts(TrueType("DejaVu Sans", "C:\\SRC\\sans.ttf")));
    pane.RefillGroupTree();
    Add(*app->m_permList, TrueType("DejaVu Sans", "C:\\SRC\\sans.ttf"));
    const struct {
        const char* what;
        DragState drag;
        DropTarget target;
    } cases[] = {
        {"permanent onto its own pane",
         {1, DRAG_FROM_PERM, nullptr, {app->m_permList->GetAt(0)}, nullptr},
         DropTarget::Permanent},
        {"onto the Source pane",
         {1, DRAG_FROM_PERM, nullptr, {app->m_permList->GetAt(0)}, nullptr},
         DropTarget::Source},
        {"onto no window",
         {1, DRAG_FROM_PERM, nullptr, {app->m_permList->GetAt(0)}, nullptr},
         DropTarget::Nothing},
        {"onto the Groups pane without a highlight",
         {1, DRAG_FROM_PERM, nullptr, {app->m_permList->GetAt(0)}, nullptr},
         DropTarget::Groups},
        {"a single font of a group onto the desktop",
         {1, DRAG_FROM_GROUPS, nullptr, {tree.Find("Sans", "DejaVu Sans")->desc.font}, nullptr},
         DropTarget::Desktop},
    };
    for (const auto& c : cases) {
        drag = c.drag;
        EXPECT_EQ(Drop(c.target), 0) << c.what;
        EXPECT_FALSE(drag.m_bDragging) << c.what;
        EXPECT_EQ(app->m_permList->GetCount(), 1u) << c.what;
        EXPECT_TRUE(ui.boxes.empty()) << c.what;
    }
    EXPECT_EQ(permPane.refills + tempPane.refills, 0);
    EXPECT_FALSE(image.Exists("C:\\WINDOWS\\Desktop\\Sans.LNK"));
}

TEST_F(GroupDragTest, WholeGroupOnTheDesktopMakesAnIconThatAsks) {
    AddGroup("Sans", Fonts(TrueType("DejaVu Sans", "C:\\SRC\\sans.ttf")));
    pane.RefillGroupTree();
    pane.BeginDrag(FakeGroupTree::Handle(tree.Find("Sans")), &tree, drag);
    EXPECT_EQ(Drop(DropTarget::Desktop), 0);
    auto link = platform::ReadShellLink("C:\\WINDOWS\\Desktop\\Sans.LNK");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->arguments, "/Q");
    EXPECT_TRUE(ui.boxes.empty());
}

} // namespace
