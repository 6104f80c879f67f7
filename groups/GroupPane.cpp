#include "groups/GroupPane.h"

#include "app/GroupJob.h"
#include "app/WFontMgrApp.h"
#include "app/folders.h"
#include "app/mainwindow.h"
#include "groups/GroupFile.h"
#include "groups/GroupIcon.h"
#include "install/engine.h"
#include "install/listpanes.h"
#include "platform/files.h"
#include "platform/lock.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "resources/resource.h"
#include "resources/strings.h"

#include <algorithm>

namespace {

platform::UiPort& Ui() {
    return TheApp().Ui();
}

int Box(platform::WindowHandle owner, unsigned textId, unsigned captionId, unsigned flags) {
    return Ui().MessageBox(owner, LoadString(textId), LoadString(captionId), flags);
}

std::string TrimTrailingWhiteSpace(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n' ||
                          s.back() == '\v' || s.back() == '\f'))
        s.pop_back();
    return s;
}

bool GroupHolds(const FontGroup& group, const FontItem& font) {
    for (const FontItem* held : *group.m_pFonts)
        if (IsSameFontAndFile(*held, font)) return true;
    return false;
}

template <typename Fonts>
int ReportAlreadyIn(const FontGroup& group, const Fonts& fonts, platform::WindowHandle owner) {
    bool any = false;
    for (const FontItem* font : fonts)
        if (GroupHolds(group, *font)) {
            any = true;
            break;
        }
    if (any && TheApp().m_bShowWarnings)
        Box(owner, IDS_ALREADY_IN_GROUP, IDS_CAPTION_NOTICE, platform::kMbOk | platform::kMbIconInformation);
    return any ? 1 : 0;
}

// The text of the path before its last backslash; the whole path when it has none.
std::string FolderPart(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(0, slash);
}

} // namespace

std::string GroupNodeLabel(const FontItem& font) {
    return PaneRowText(font, false);
}

int GroupNodeImage(const FontItem& font) {
    switch (font.m_nType) {
    case FT_TRUETYPE:
        return kGroupImageTrueType;
    case FT_TYPE1:
        return kGroupImageType1;
    default:
        return kGroupImageOtherFont;
    }
}

std::string FreeNewGroupName(const GroupList& groups, const std::string& folder) {
    const std::string base = LoadString(IDS_NEW_GROUP_NAME);
    std::string name = base;
    for (int n = 2;; ++n) {
        // A file that no loaded group owns (one that could not be read) is not overwritten either.
        const bool fileTaken = !folder.empty() && platform::FileExists(folder + name + ".FGP");
        if (!FindGroupByName(groups, name) && !fileTaken) return name;
        name = base + std::to_string(n);
    }
}

bool IsValidGroupName(const std::string& name) {
    static const std::string forbidden = "\\/:*?\"<>|\x7F\x80\x81\x8D\x8E\x8F\x90\x9D\x9E\xA0";
    return name.find_first_of(forbidden) == std::string::npos;
}

LabelEditOutcome CheckGroupName(const GroupList& groups, const FontGroup* group, const std::string& typed) {
    const std::string name = TrimTrailingWhiteSpace(typed);
    if (name.empty()) return LabelEditOutcome::Blank;
    const FontGroup* other = FindGroupByName(groups, name);
    if (other && other != group) return LabelEditOutcome::Duplicate;
    if (!IsValidGroupName(name)) return LabelEditOutcome::Invalid;
    // The name as typed is what is kept, so its trailing blanks count here.
    if (typed.size() > kMaxGroupName) return LabelEditOutcome::TooLong;
    return LabelEditOutcome::Renamed;
}

int DropUnusableFonts(FontList& fonts, platform::WindowHandle owner) {
    const std::string tempFont = TempFontFolder();
    int removed = 0;
    for (size_t i = 0; i < fonts.GetCount();) {
        const FontItem* font = fonts.GetAt(i);
        const std::string& path = font->m_strFilePath;
        const bool unusable =
            path.empty() || (path.find('\\') != std::string::npos && FolderPart(path) == tempFont &&
                             font->m_strOriginalPath.empty());
        if (unusable) {
            fonts.RemoveAt(i);
            ++removed;
        } else {
            ++i;
        }
    }
    if (removed)
        Box(owner, IDS_INVALID_FONT_FILES, IDS_CAPTION_ERROR, platform::kMbOk | platform::kMbIconWarning);
    return removed;
}

int ReportFontsAlreadyInGroup(const FontGroup& group, const std::vector<FontItem*>& fonts,
                              platform::WindowHandle owner) {
    return ReportAlreadyIn(group, fonts, owner);
}

int ReportFontsAlreadyInGroup(const FontGroup& group, const FontList& fonts, platform::WindowHandle owner) {
    return ReportAlreadyIn(group, fonts, owner);
}

bool GroupPaneItemEnabled(unsigned id, bool fontSelected, bool clipboardEmpty) {
    switch (id) {
    case ID_FILE_PROPERTIES:
        return fontSelected;
    case ID_FILE_GROUP_ICON:
    case ID_FILE_RENAME_GROUP:
        return !fontSelected;
    case ID_EDIT_PASTE:
        return !clipboardEmpty;
    default:
        return true;
    }
}

const std::vector<unsigned>& GroupPaneItemsGrayedOnFocusLoss() {
    static const std::vector<unsigned> items = {
        ID_FILE_PROPERTIES, ID_FILE_GROUP_ICON, ID_FILE_RENAME_GROUP, ID_FILE_INSTALL, ID_FILE_INSTALL_TEMP,
        ID_EDIT_CUT,        ID_EDIT_COPY,       ID_EDIT_PASTE,        ID_EDIT_DELETE};
    return items;
}

void GroupPane::RefillGroupTree() {
    m_tree.RemoveAllNodes();
    for (FontGroup* group : *TheApp().m_groupList) InsertGroupNode(group);
}

GroupTreeNode* GroupPane::InsertGroupNode(FontGroup* group) {
    GroupTreeNodeSpec desc;
    desc.label = group->m_strName;
    desc.image = kGroupImageClosed;
    desc.selectedImage = kGroupImageOpen;
    desc.group = group;
    GroupTreeNode* node = m_tree.InsertNode(nullptr, desc);
    if (!node) {
        Box(m_tree.OwnerWindow(), IDS_INSERT_ITEM_FAILED, IDS_CAPTION_ERROR, platform::kMbOk);
        return nullptr;
    }
    const int viewType = TheApp().m_nViewType;
    for (FontItem* font : *group->m_pFonts)
        if (PassesViewFilter(*font, viewType)) InsertFontNode(font, node);
    return node;
}

GroupTreeNode* GroupPane::InsertFontNode(FontItem* font, GroupTreeNode* groupNode) {
    GroupTreeNodeSpec desc;
    desc.label = GroupNodeLabel(*font);
    desc.image = desc.selectedImage = GroupNodeImage(*font);
    desc.font = font;
    GroupTreeNode* node = m_tree.InsertNode(groupNode, desc);
    if (!node) Box(m_tree.OwnerWindow(), IDS_INSERT_ITEM_FAILED, IDS_CAPTION_ERROR, platform::kMbOk);
    return node;
}

void GroupPane::OnPaneCommand(unsigned id) {
    switch (id) {
    case PANE_NEW_GROUP:
        NewGroup();
        break;
    case PANE_GROUP_ICON:
        CreateGroupIcon();
        break;
    case PANE_CUT:
        Cut();
        break;
    case PANE_COPY:
        Copy();
        break;
    case PANE_PASTE:
        Paste();
        break;
    case PANE_DELETE:
        Delete();
        break;
    case PANE_RENAME:
        Rename();
        break;
    case PANE_PROPERTIES:
        Properties();
        break;
    case PANE_INSTALL:
        Install(true);
        break;
    case PANE_INSTALL_TEMP:
        Install(false);
        break;
    default:
        break;
    }
}

GroupTreeNode* GroupPane::AddGroup(std::unique_ptr<FontGroup> owned) {
    WFontMgrApp& app = TheApp();
    owned->m_strName = FreeNewGroupName(*app.m_groupList, app.ProgramFolder());
    owned->m_strPath = app.ProgramFolder();
    SaveGroup(*owned, m_tree.OwnerWindow());
    FontGroup* group = app.m_groupList->AddTail(std::move(owned));
    return InsertGroupNode(group);
}

void GroupPane::NewGroup() {
    GroupTreeNode* node = nullptr;
    {
        platform::WaitCursor wait(Ui());
        node = AddGroup(std::make_unique<FontGroup>());
    }
    if (!node) return;
    m_tree.SelectNode(node);
    Rename();
}

void GroupPane::NewGroupWithFonts(std::unique_ptr<FontList> fonts) {
    auto group = std::make_unique<FontGroup>();
    if (fonts) group->m_pFonts = std::move(fonts);
    GroupTreeNode* node = AddGroup(std::move(group));
    if (!node) return;
    m_tree.SelectNode(node);
    Rename();
}

void GroupPane::Rename() {
    GroupTreeNode* node = m_tree.SelectedNode();
    if (!node || m_tree.ParentOf(node)) return;
    m_tree.EditLabel(node);
}

LabelEditOutcome GroupPane::LabelEditEnded(GroupTreeNode* node, const std::optional<std::string>& text) {
    if (!node || IsFontNode(node) || !text) return LabelEditOutcome::Ignored;
    FontGroup* group = m_tree.GroupOf(node);
    if (!group) return LabelEditOutcome::Ignored;
    const platform::WindowHandle owner = m_tree.OwnerWindow();
    const LabelEditOutcome outcome = CheckGroupName(*TheApp().m_groupList, group, *text);
    switch (outcome) {
    case LabelEditOutcome::Blank:
        break;
    case LabelEditOutcome::Duplicate:
        Box(owner, IDS_GROUP_NAME_EXISTS, IDS_CAPTION_ERROR, platform::kMbOk);
        break;
    case LabelEditOutcome::Invalid:
        Box(owner, IDS_GROUP_NAME_INVALID, IDS_CAPTION_ERROR, platform::kMbOk);
        break;
    case LabelEditOutcome::TooLong:
        Box(owner, IDS_GROUP_NAME_TOO_LONG, IDS_CAPTION_ERROR, platform::kMbOk);
        break;
    case LabelEditOutcome::Renamed:
    case LabelEditOutcome::Ignored:
        break;
    }
    if (outcome != LabelEditOutcome::Renamed) {
        m_tree.EditLabel(node);
        return outcome;
    }
    group->m_strName = *text;
    SaveGroup(*group, owner);
    m_tree.SetLabel(node, *text);
    m_tree.SortTopLevel();
    m_tree.EnsureVisible(node);
    m_tree.SelectNode(node);
    m_tree.ToggleExpanded(node);
    return outcome;
}

void GroupPane::Copy() {
    platform::WaitCursor wait(Ui());
    FontList& clipboard = *TheApp().m_clipboard;
    clipboard.RemoveAll();
    GroupTreeNode* node = m_tree.SelectedNode();
    if (!node) return;
    if (IsFontNode(node)) {
        if (FontItem* font = m_tree.FontOf(node)) clipboard.AddTail(std::make_unique<FontItem>(*font));
        return;
    }
    FontGroup* group = m_tree.GroupOf(node);
    if (!group) return;
    for (FontItem* font : *group->m_pFonts) {
        bool held = false;
        for (FontItem* copy : clipboard)
            if (IsSameFontAndFile(*copy, *font)) held = true;
        if (!held) clipboard.AddTail(std::make_unique<FontItem>(*font));
    }
}

void GroupPane::Cut() {
    platform::WaitCursor wait(Ui());
    Copy();
    Delete();
}

FontGroup* GroupPane::TargetGroup(GroupTreeNode*& node) {
    if (node && IsFontNode(node)) node = m_tree.ParentOf(node);
    return node ? m_tree.GroupOf(node) : nullptr;
}

void GroupPane::Paste() {
    platform::WaitCursor wait(Ui());
    GroupTreeNode* node = m_tree.SelectedNode();
    FontGroup* group = TargetGroup(node);
    // Without a selected node there is no group to paste into; the clipboard stays as it is.
    if (!group) return;
    const platform::WindowHandle owner = m_tree.OwnerWindow();
    FontList& clipboard = *TheApp().m_clipboard;
    DropUnusableFonts(clipboard, owner);
    ReportFontsAlreadyInGroup(*group, clipboard, owner);
    const std::string tempFont = TempFontFolder();
    for (FontItem* font : clipboard) {
        auto copy = std::make_unique<FontItem>(*font);
        // A copy in the TempFont folder goes away with the session: the group keeps the file it came from.
        if (FolderPart(copy->m_strFilePath) == tempFont && !copy->m_strOriginalPath.empty()) {
            copy->m_strFilePath = copy->m_strOriginalPath;
            copy->m_strOriginalPath.clear();
        }
        if (copy->m_strFilePath.empty() || GroupHolds(*group, *copy)) continue;
        FontItem* added = group->m_pFonts->AddTail(std::move(copy));
        InsertFontNode(added, node);
    }
    SaveGroup(*group, owner);
}

void GroupPane::Delete() {
    platform::WaitCursor wait(Ui());
    GroupTreeNode* node = m_tree.SelectedNode();
    if (!node) return;
    WFontMgrApp& app = TheApp();
    const platform::WindowHandle owner = m_tree.OwnerWindow();
    if (IsFontNode(node)) {
        if (app.m_bShowWarnings && Box(owner, IDS_REMOVE_GROUP_FONT, IDS_REMOVE_GROUP_FONT_CAPTION,
                                       platform::kMbYesNo | platform::kMbIconQuestion) == platform::kIdNo)
            return;
        GroupTreeNode* groupNode = m_tree.ParentOf(node);
        FontGroup* group = groupNode ? m_tree.GroupOf(groupNode) : nullptr;
        FontItem* font = m_tree.FontOf(node);
        if (!group || !font) return;
        const size_t at = group->m_pFonts->Find(font);
        // The node points at the font: it goes first.
        m_tree.RemoveNode(node);
        if (at != FontList::npos) group->m_pFonts->RemoveAt(at);
        SaveGroup(*group, owner);
        return;
    }
    FontGroup* group = m_tree.GroupOf(node);
    if (!group) return;
    if (app.m_bShowWarnings && Box(owner, IDS_DELETE_GROUP, IDS_DELETE_GROUP_CAPTION,
                                   platform::kMbYesNo | platform::kMbIconQuestion) == platform::kIdNo)
        return;
    const std::string& path = group->m_strPath;
    // A read-only or missing file stays; a group never saved has only its folder as its path.
    if (!path.empty() && path.back() != '\\') {
        platform::ImageLock lock;
        if (platform::FileExists(path) && !(platform::FileAttributes(path) & platform::kAttrReadOnly))
            platform::DeleteFile(path);
    }
    m_tree.RemoveNode(node);
    const size_t at = app.m_groupList->Find(group);
    if (at != GroupList::npos) app.m_groupList->RemoveAt(at);
}

void GroupPane::Properties() {
    GroupTreeNode* node = m_tree.SelectedNode();
    if (!node || !IsFontNode(node)) return;
    FontItem* font = m_tree.FontOf(node);
    if (!font) return;
    font->m_bInstalled = 0;
    m_tree.ShowProperties(font);
}

void GroupPane::Install(bool permanent) {
    // With nothing selected there is nothing to install, and the clipboard is left alone.
    if (!m_tree.SelectedNode()) return;
    Copy();
    m_tree.PasteIntoInstalledPane(permanent);
}

void GroupPane::CreateGroupIcon() {
    GroupTreeNode* node = m_tree.SelectedNode();
    // A font node names no group: there is no icon to make for it.
    if (!node || m_tree.ParentOf(node) || IsFontNode(node)) return;
    const std::string name = m_tree.LabelOf(node);
    std::optional<int> mode = Ui().GroupIconTypeDialog();
    if (!mode) return;
    platform::WaitCursor wait(Ui());
    GroupJob job;
    job.m_nMode = *mode;
    PlaceGroupIcon(job, name);
}

std::string GroupPane::StatusText(GroupTreeNode* node) {
    if (!node) return {};
    if (!IsFontNode(node)) return " ";
    const FontItem* font = m_tree.FontOf(node);
    if (!font) return " ";
    return " " + (font->m_strFilePath.empty() ? std::string(LoadString(IDS_UNKNOWN)) : font->m_strFilePath);
}

bool GroupPane::ItemEnabled(unsigned id) {
    GroupTreeNode* node = m_tree.SelectedNode();
    return GroupPaneItemEnabled(id, node && m_tree.ParentOf(node), TheApp().m_clipboard->IsEmpty());
}

void GroupPane::BeginDrag(GroupTreeNode* dragged, platform::WindowHandle sourceWindow, DragState& drag) {
    drag.Reset();
    drag.m_nSource = DRAG_FROM_GROUPS;
    drag.m_hSourceWnd = sourceWindow;
    if (!dragged) return;
    drag.m_bDragging = 1;
    if (IsFontNode(dragged)) {
        if (FontItem* font = m_tree.FontOf(dragged)) drag.m_dragList.push_back(font);
        return;
    }
    // The fonts the View filter shows under the node, in the tree's order.
    for (GroupTreeNode* child : m_tree.ChildrenOf(dragged))
        if (FontItem* font = m_tree.FontOf(child)) drag.m_dragList.push_back(font);
    drag.m_pDragGroup = m_tree.GroupOf(dragged);
}

FontGroup* GroupPane::ShellDragGroup() {
    GroupTreeNode* node = m_tree.SelectedNode();
    if (!node || m_tree.ParentOf(node) || IsFontNode(node)) return nullptr;
    return m_tree.GroupOf(node);
}

int GroupPane::AddDraggedToGroup(DragState& drag, GroupTreeNode* target) {
    FontGroup* group = TargetGroup(target);
    if (!group) return 0;
    WFontMgrApp& app = TheApp();
    const platform::WindowHandle owner = m_tree.OwnerWindow();
    ValidateSelection(drag.m_dragList);
    ReportFontsAlreadyInGroup(*group, drag.m_dragList, owner);
    int flags = 0;
    for (FontItem* font : drag.m_dragList) {
        auto copy = std::make_unique<FontItem>(*font);
        if (drag.m_nSource == DRAG_FROM_TEMP) {
            // The group needs the file the font came from, not its TempFont copy.
            app.LookupTempInstallRecord(*copy);
            copy->m_strFilePath = copy->m_strOriginalPath;
            copy->m_strOriginalPath.clear();
        }
        if (copy->m_strFilePath.empty() || GroupHolds(*group, *copy)) continue;
        FontItem* added = group->m_pFonts->AddTail(std::move(copy));
        InsertFontNode(added, target);
        flags |= DROP_GROUP_CHANGED;
    }
    SaveGroup(*group, owner);
    return flags;
}
