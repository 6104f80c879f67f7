#pragma once
// Decisions of the main window that need no window: the layout on resize, where a menu command
// goes, and the View menu's check marks.
#include "fontdata/FontItem.h"

// A control's rectangle in the window's client coordinates; right and bottom are exclusive.
struct LayoutRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const LayoutRect&) const = default;
};

struct MainLayout {
    LayoutRect help, close, browse, status;
    LayoutRect sourceCaption, sourcePane, permCaption, permPane;
    LayoutRect groupsCaption, groupsPane, tempCaption, tempPane;
    bool operator==(const MainLayout&) const = default;
};

// Measured once, from the layout the window opens with.
struct LayoutGaps {
    int horizontal = 0; // right edge of the Groups pane to the left edge of the Temporarily Installed pane
    int vertical =
        0; // bottom of the Permanently Installed pane to the top of the Temporarily Installed caption
};
LayoutGaps MeasureLayoutGaps(const MainLayout& layout);

// The layout after the client area grew by dx, dy (negative when it shrank). The panes take half of
// each change, with the remainder dropped toward zero, so single-pixel steps leave them in place;
// the buttons and the status line follow every step.
MainLayout ResizeMainLayout(const MainLayout& current, int dx, int dy, const LayoutGaps& gaps);

// Where a menu command of the main window goes.
enum class MenuAction {
    None,         // not a command of the main window
    ToFocusPane,  // the pane command to the pane that has the focus (nowhere when none has)
    ToSourcePane, // the pane command to the Source pane
    ToGroupsPane, // the pane command to the Groups pane
    PressClose,
    Print,
    ViewFilter,
    ShowWarnings,
    HelpTopics,
    UsingHelp,
    About,
};
struct MenuRoute {
    MenuAction action = MenuAction::None;
    unsigned paneCommand = 0; // the command the pane receives
    int viewType = 0;         // ViewFilter: 1 All, 2 PostScript Only, 4 TrueType Only
};
MenuRoute RouteMenuCommand(unsigned id);

// The View menu's check marks for the settings; a filter value other than 1, 2 or 4 checks none.
struct ViewChecks {
    bool all = false, postScript = false, trueType = false;
    bool fileNames = false, fontNames = false;
    bool warnings = false;
};
ViewChecks ViewMenuChecks(int viewType, int viewFileNames, int showWarnings);

// The View filter: 2 shows only Type 1 fonts, 4 only TrueType fonts, any other value every font.
bool PassesViewFilter(const FontItem& font, int viewType);
