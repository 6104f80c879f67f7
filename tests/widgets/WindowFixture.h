#pragma once
// Test support for the widget tests: a fresh image and application with its five lists, the main
// window opened on them, fonts made by code, and popups inspected while they are open.
#include "app/WFontMgrApp.h"
#include "app/ui/WFontMgrDlg.h"
#include "groups/ui/WGroupTree.h"
#include "install/ui/WFontListPane.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestImage.h"

#include <QMenu>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

struct WindowFixture : testing::Test {
    TestImage image;
    ScriptedUi ui;
    WFontMgrApp app{ui};
    std::unique_ptr<WFontMgrDlg> dlg;

    WindowFixture();
    ~WindowFixture() override;

    FontItem* AddFont(FontList& list, const std::string& name, FontType type = FT_TRUETYPE,
                      const std::string& path = "", const std::string& style = "");
    // Opens the main window, shown and active, with the Source pane focused.
    void Open();
    // The pane's rows as their texts, in order.
    static std::vector<std::string> RowTexts(WFontListPane* pane);
    static std::vector<int> Selected(WFontListPane* pane) { return pane->SelectedRows(); }
    void Focus(QWidget* widget);
    // The action of a menu-bar item, and the popup that holds it.
    QAction* MenuItem(unsigned id) const;
    void OpenMenuOf(unsigned id) const; // aboutToShow of the item's popup, as when it opens
};

// Runs `open`, which shows a popup menu modally; `inspect` sees the open popup (nullptr when none
// opened) and may choose an item with `Choose`. Answers whether a popup was seen.
bool WithPopup(const std::function<void()>& open, const std::function<void(QMenu*)>& inspect);
void Choose(QMenu* menu, unsigned id);
// The texts of a menu's items (separators as "-") and which are enabled.
std::vector<std::string> ItemTexts(QMenu* menu);
