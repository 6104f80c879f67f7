#include "groups/InstallGroup.h"

#include "app/WFontMgrApp.h"
#include "install/engine.h"
#include "resources/strings.h"

#include <algorithm>

int AskCopyRemote(const FontList& groupFonts, int& copy) {
    copy = 0;
    WFontMgrApp& app = TheApp();
    if (!AnyRemote(groupFonts) || !app.m_bShowWarnings) return 1;
    int answer =
        app.Ui().MessageBox(nullptr, LoadString(IDS_COPY_REMOTE), LoadString(IDS_INSTALLING_PERMANENTLY),
                            platform::kMbYesNoCancel | platform::kMbIconQuestion);
    if (answer == platform::kIdCancel) return 0;
    copy = answer == platform::kIdYes ? 1 : 0;
    return 1;
}

int AskAndInstall(GroupJob& job, FontGroup* group) {
    FontGroup& shown = group ? *group : *job.m_pGroup;
    platform::InstallGroupChoice choice = TheApp().Ui().InstallGroupDialog(shown);
    if (choice.result == platform::kIdCancel) return GJ_CANCELLED;
    if (choice.result != platform::kIdOk) return GJ_LAUNCH;

    // The chosen fonts stay with the group; the selection only points at them.
    FontSelection selected;
    for (size_t index : choice.selected) {
        FontItem* font = shown.m_pFonts->GetAt(index);
        if (font && std::find(selected.begin(), selected.end(), font) == selected.end())
            selected.push_back(font);
    }
    if (!ValidateSelection(selected)) return GJ_FAILED;

    const bool permanent = choice.installMode != 2;
    int copy = 0;
    if (permanent && !AskCopyRemote(*shown.m_pFonts, copy)) return GJ_FAILED;

    int result = GJ_INSTALLED;
    for (FontItem* font : selected) {
        int ok = permanent ? InstallGroupFontPermanent(*font, copy) : InstallGroupFontTemporary(*font);
        if (!ok) result = GJ_FAILED;
    }
    return result;
}
