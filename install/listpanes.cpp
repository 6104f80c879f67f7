#include "install/listpanes.h"

#include "app/WFontMgrApp.h"
#include "app/mainwindow.h"
#include "platform/paths.h"
#include "resources/pictures.h"
#include "resources/resource.h"
#include "resources/strings.h"

#include <algorithm>

std::string PaneRowText(const FontItem& font, bool showFileName) {
    if (showFileName) {
        const size_t slash = font.m_strFilePath.find_last_of('\\');
        return slash == std::string::npos ? font.m_strFilePath : font.m_strFilePath.substr(slash + 1);
    }
    if (font.m_nType == FT_TYPE1 && !font.m_strStyle.empty())
        return font.m_strFullName + LoadString(IDS_STYLE_SEPARATOR) + font.m_strStyle;
    return font.m_strFullName;
}

int PaneRowImage(const FontItem& font) {
    switch (font.m_nType) {
    case FT_TRUETYPE:
        return kImageTrueType;
    case FT_TYPE1:
        return kImageType1;
    default:
        return kImageOpenFolder;
    }
}

void SortPaneRows(std::vector<FontItem*>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const FontItem* a, const FontItem* b) { return CompareByFullName(*a, *b) < 0; });
}

std::vector<FontItem*> PaneRowsOf(const FontList& list, int viewType) {
    std::vector<FontItem*> rows;
    for (FontItem* font : list)
        if (PassesViewFilter(*font, viewType)) rows.push_back(font);
    SortPaneRows(rows);
    return rows;
}

bool ListPaneItemEnabled(ListPaneKind kind, unsigned id, size_t selected, bool clipboardEmpty) {
    const bool none = selected == 0;
    const bool source = kind == ListPaneKind::Source;
    switch (id) {
    case ID_FILE_PROPERTIES:
        return selected == 1;
    case ID_FILE_GROUP_ICON:
    case ID_FILE_RENAME_GROUP:
        return false;
    case ID_FILE_INSTALL:
        return kind != ListPaneKind::Permanent && !none;
    case ID_FILE_INSTALL_TEMP:
        return source && !none;
    case ID_EDIT_DELETE:
    case ID_EDIT_COPY:
        return !none;
    case ID_EDIT_CUT:
        return !source && !none;
    case ID_EDIT_PASTE:
        return !source && !clipboardEmpty;
    default:
        return true;
    }
}

const std::vector<unsigned>& ItemsGrayedOnFocusLoss(ListPaneKind kind) {
    static const std::vector<unsigned> perm = {ID_FILE_PROPERTIES, ID_EDIT_CUT,    ID_EDIT_COPY,
                                               ID_EDIT_PASTE,      ID_EDIT_DELETE, ID_EDIT_SELECT_ALL};
    static const std::vector<unsigned> source = {ID_FILE_PROPERTIES, ID_FILE_INSTALL, ID_FILE_INSTALL_TEMP,
                                                 ID_EDIT_COPY,       ID_EDIT_DELETE,  ID_EDIT_SELECT_ALL};
    static const std::vector<unsigned> temp = {ID_FILE_PROPERTIES, ID_FILE_INSTALL, ID_EDIT_CUT,
                                               ID_EDIT_COPY,       ID_EDIT_PASTE,   ID_EDIT_DELETE,
                                               ID_EDIT_SELECT_ALL};
    switch (kind) {
    case ListPaneKind::Source:
        return source;
    case ListPaneKind::Permanent:
        return perm;
    default:
        return temp;
    }
}

std::vector<unsigned> PaneKeyCommands(ListPaneKind kind, PaneKey key) {
    const bool source = kind == ListPaneKind::Source;
    switch (key) {
    case PaneKey::Insert:
    case PaneKey::CtrlV:
        return source ? std::vector<unsigned>{} : std::vector<unsigned>{PANE_PASTE};
    case PaneKey::Delete:
        return {PANE_DELETE};
    case PaneKey::CtrlC:
        return {PANE_COPY};
    case PaneKey::CtrlX:
        return source ? std::vector<unsigned>{PANE_COPY, PANE_DELETE} : std::vector<unsigned>{PANE_CUT};
    }
    return {};
}

bool SelectOnRightClick(RowSelection& rows, int pressed, bool shift, bool ctrl) {
    const int count = static_cast<int>(rows.selected.size());
    if (pressed < 0 || pressed >= count || rows.selected[static_cast<size_t>(pressed)]) return false;
    if (shift) {
        int anchor = -1;
        for (int i = 0; i < count; ++i)
            if (rows.selected[static_cast<size_t>(i)]) anchor = i;
        if (anchor < 0) anchor = rows.focused >= 0 && rows.focused < count ? rows.focused : 0;
        std::fill(rows.selected.begin(), rows.selected.end(), false);
        const int step = anchor < pressed ? 1 : -1;
        for (int i = anchor; i != pressed; i += step) rows.selected[static_cast<size_t>(i)] = true;
    } else if (!ctrl) {
        std::fill(rows.selected.begin(), rows.selected.end(), false);
    }
    rows.selected[static_cast<size_t>(pressed)] = true;
    rows.focused = pressed;
    return true;
}

namespace {

bool HoldsSameFontAndFile(const FontList& list, const FontItem& font) {
    for (const FontItem* held : list)
        if (IsSameFontAndFile(*held, font)) return true;
    return false;
}

void AppendUnlessHeld(FontList& list, std::unique_ptr<FontItem> copy) {
    if (!HoldsSameFontAndFile(list, *copy)) list.AddTail(std::move(copy));
}

} // namespace

void CopyToClipboard(const std::vector<FontItem*>& selection, FontList& clipboard) {
    clipboard.RemoveAll();
    for (const FontItem* font : selection) AppendUnlessHeld(clipboard, std::make_unique<FontItem>(*font));
}

void SwapInOrigin(FontItem& copy) {
    if (!copy.m_strOriginalPath.empty()) {
        copy.m_strFilePath = copy.m_strOriginalPath;
        copy.m_strOriginalPath.clear();
    } else {
        copy.m_strOriginalPath = copy.m_strFilePath;
        copy.m_strFilePath.clear();
    }
}

void CopyWithOriginToClipboard(const std::vector<FontItem*>& selection, FontList& clipboard) {
    clipboard.RemoveAll();
    for (const FontItem* font : selection) {
        auto copy = std::make_unique<FontItem>(*font);
        TheApp().LookupTempInstallRecord(*copy);
        SwapInOrigin(*copy);
        AppendUnlessHeld(clipboard, std::move(copy));
    }
}

std::unique_ptr<FontList> CopiesForNewGroup(const std::vector<FontItem*>& selection) {
    auto fonts = std::make_unique<FontList>();
    for (const FontItem* font : selection) AppendUnlessHeld(*fonts, std::make_unique<FontItem>(*font));
    return fonts;
}

std::string StatusLineText(const FontItem& font) {
    return " " + (font.m_strFilePath.empty() ? std::string(LoadString(IDS_UNKNOWN)) : font.m_strFilePath);
}
