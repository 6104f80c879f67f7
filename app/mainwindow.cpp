#include "app/mainwindow.h"

#include "resources/resource.h"

namespace {

LayoutRect Shifted(LayoutRect r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

LayoutRect Sized(LayoutRect r, int width, int height) {
    return {r.left, r.top, r.left + width, r.top + height};
}

} // namespace

LayoutGaps MeasureLayoutGaps(const MainLayout& layout) {
    return LayoutGaps{layout.tempPane.left - layout.groupsPane.right,
                      layout.tempCaption.top - layout.permPane.bottom};
}

MainLayout ResizeMainLayout(const MainLayout& cur, int dx, int dy, const LayoutGaps& gaps) {
    const int hx = dx / 2; // C++ division drops the remainder toward zero
    const int hy = dy / 2;
    const int width = (cur.tempCaption.left - cur.groupsCaption.left) - gaps.horizontal + hx;
    const int height = (cur.tempCaption.top - cur.permPane.top) - gaps.vertical + hy;

    MainLayout next = cur;
    next.help = Shifted(cur.help, dx, dy);
    next.close = Shifted(cur.close, dx, dy);
    next.browse = Shifted(cur.browse, dx, dy);
    next.status.top = cur.status.top + dy;
    next.status.bottom = cur.status.bottom + dy;
    // The gap between the status line and Browse equals the gap between Browse and Close.
    next.status.right = next.browse.left + next.browse.right - next.close.left;

    next.sourceCaption = Sized(cur.sourceCaption, width, cur.sourceCaption.Height());
    next.sourcePane = Sized(cur.sourcePane, width, height);
    next.permCaption = Sized(Shifted(cur.permCaption, hx, 0), width, cur.permCaption.Height());
    next.permPane = Sized(Shifted(cur.permPane, hx, 0), width, height);
    next.groupsCaption = Sized(Shifted(cur.groupsCaption, 0, hy), width, cur.groupsCaption.Height());
    next.groupsPane = Sized(Shifted(cur.groupsPane, 0, hy), width, height);
    next.tempCaption = Sized(Shifted(cur.tempCaption, hx, hy), width, cur.tempCaption.Height());
    next.tempPane = Sized(Shifted(cur.tempPane, hx, hy), width, height);
    return next;
}

MenuRoute RouteMenuCommand(unsigned id) {
    using A = MenuAction;
    switch (id) {
    case ID_FILE_BROWSE:
        return {A::ToSourcePane, PANE_BROWSE, 0};
    case ID_PRINT_ALL:
    case ID_PRINT_PERMANENT:
    case ID_PRINT_TEMPORARY:
    case ID_PRINT_FOLDER:
    case ID_PRINT_GROUPS:
        return {A::Print, 0, 0};
    case ID_FILE_NEW_GROUP:
        return {A::ToFocusPane, PANE_NEW_GROUP, 0};
    case ID_FILE_GROUP_ICON:
        return {A::ToGroupsPane, PANE_GROUP_ICON, 0};
    case ID_FILE_RENAME_GROUP:
        return {A::ToFocusPane, PANE_RENAME, 0};
    case ID_FILE_INSTALL:
        return {A::ToFocusPane, PANE_INSTALL, 0};
    case ID_FILE_INSTALL_TEMP:
        return {A::ToFocusPane, PANE_INSTALL_TEMP, 0};
    case ID_FILE_PROPERTIES:
        return {A::ToFocusPane, PANE_PROPERTIES, 0};
    case ID_FILE_EXIT:
        return {A::PressClose, 0, 0};
    case ID_EDIT_CUT:
        return {A::ToFocusPane, PANE_CUT, 0};
    case ID_EDIT_COPY:
        return {A::ToFocusPane, PANE_COPY, 0};
    case ID_EDIT_PASTE:
        return {A::ToFocusPane, PANE_PASTE, 0};
    case ID_EDIT_DELETE:
        return {A::ToFocusPane, PANE_DELETE, 0};
    case ID_EDIT_SELECT_ALL:
        return {A::ToFocusPane, PANE_SELECT_ALL, 0};
    case ID_VIEW_ALL:
        return {A::ViewFilter, 0, 1};
    case ID_VIEW_POSTSCRIPT:
        return {A::ViewFilter, 0, 2};
    case ID_VIEW_TRUETYPE:
        return {A::ViewFilter, 0, 4};
    case ID_VIEW_FILENAMES:
    case ID_VIEW_FONTNAMES:
        return {A::ToSourcePane, id, 0};
    case ID_VIEW_WARNINGS:
        return {A::ShowWarnings, 0, 0};
    case ID_HELP_FINDER:
        return {A::HelpTopics, 0, 0};
    case ID_HELP_USING:
        return {A::UsingHelp, 0, 0};
    case ID_APP_ABOUT:
        return {A::About, 0, 0};
    default:
        return {};
    }
}

ViewChecks ViewMenuChecks(int viewType, int viewFileNames, int showWarnings) {
    ViewChecks checks;
    checks.all = viewType == 1;
    checks.postScript = viewType == 2;
    checks.trueType = viewType == 4;
    checks.fileNames = viewFileNames != 0;
    checks.fontNames = viewFileNames == 0;
    checks.warnings = showWarnings != 0;
    return checks;
}

bool PassesViewFilter(const FontItem& font, int viewType) {
    if (viewType == 2) return font.m_nType == FT_TYPE1;
    if (viewType == 4) return font.m_nType == FT_TRUETYPE;
    return true;
}
