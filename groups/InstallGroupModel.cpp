#include "groups/InstallGroupModel.h"

#include "app/WFontMgrApp.h"
#include "platform/collate.h"
#include "resources/strings.h"

#include <algorithm>

std::string InstallGroupRowText(const FontItem& font) {
    const unsigned format = font.m_nType == FT_TRUETYPE ? IDS_GROUP_FONT_TTF
                            : font.m_nType == FT_TYPE1  ? IDS_GROUP_FONT_ATM
                                                        : IDS_GROUP_FONT_UNKNOWN;
    return FormatString(format, {font.m_strFullName});
}

int InstallGroupRowState(const FontItem& font) {
    WFontMgrApp& app = TheApp();
    if (app.m_tempList && FindFontByFullName(*app.m_tempList, font.m_strFullName)) return kStateTemporary;
    if (app.m_permList && FindFontByFullName(*app.m_permList, font.m_strFullName)) return kStatePermanent;
    return kStateNotInstalled;
}

std::vector<InstallGroupRow> InstallGroupRows(const FontGroup& group) {
    std::vector<InstallGroupRow> rows;
    size_t index = 0;
    for (const FontItem* font : *group.m_pFonts)
        rows.push_back({index++, font, InstallGroupRowText(*font), InstallGroupRowState(*font)});
    std::stable_sort(rows.begin(), rows.end(), [](const InstallGroupRow& a, const InstallGroupRow& b) {
        return platform::CompareStringAnsi(a.font->m_strFullName, b.font->m_strFullName) < 0;
    });
    return rows;
}

platform::InstallGroupChoice InstallGroupAnswer(InstallGroupButton button,
                                                const std::vector<InstallGroupRow>& rows,
                                                const std::vector<bool>& selected) {
    platform::InstallGroupChoice choice;
    switch (button) {
    case InstallGroupButton::Launch:
        choice.result = platform::kIdLaunch;
        return choice;
    case InstallGroupButton::Cancel:
        choice.result = platform::kIdCancel;
        return choice;
    case InstallGroupButton::AddTemp:
    case InstallGroupButton::AddPerm:
        break;
    }
    choice.result = platform::kIdOk;
    choice.installMode = button == InstallGroupButton::AddPerm ? 1 : 2;
    for (size_t i = 0; i < rows.size() && i < selected.size(); ++i)
        if (selected[i]) choice.selected.push_back(rows[i].index);
    return choice;
}
