#include "app/ui/LaterSteps.h"

#include "app/WFontMgrApp.h"
#include "app/ui/QtUiPort.h"
#include "app/ui/WFontMgrDlg.h"
#include "install/ui/WFontListPane.h"
#include "printing/ui/WListPrinter.h"
#include "properties/ui/WFontPropSheet.h"
#include "resources/resource.h"
#include "resources/strings.h"
#include "sharedui/ui/WAboutBox.h"

// The sheet deletes itself when it closes, or at once when the user aborts it.
void ShowFontProperties(QWidget* owner, FontItem* font, const std::string& caption) {
    if (!font) return;
    auto* sheet = new WFontPropSheet(FromAnsi(caption), font, owner);
    sheet->ShowProperties(owner);
}

void PrintFromMenu(QWidget* owner, unsigned commandId) {
    WFontMgrApp& app = TheApp();
    WListPrinter printer(owner);
    switch (commandId) {
    case ID_PRINT_ALL:
        if (app.m_tempList && app.m_permList)
            printing::PrintAllInstalled(printer, *app.m_tempList, *app.m_permList, IDS_PRINT_ALL_INSTALLED);
        break;
    case ID_PRINT_PERMANENT:
        if (app.m_permList)
            printing::PrintFontList(printer, *app.m_permList, app.m_nViewType, IDS_PRINT_PERMANENT);
        break;
    case ID_PRINT_TEMPORARY:
        if (app.m_tempList)
            printing::PrintFontList(printer, *app.m_tempList, app.m_nViewType, IDS_PRINT_TEMPORARY);
        break;
    case ID_PRINT_GROUPS:
        if (app.m_groupList) printing::PrintGroupList(printer, *app.m_groupList);
        break;
    case ID_PRINT_FOLDER: {
        auto* window = dynamic_cast<WFontMgrDlg*>(owner);
        if (window && window->SourcePane())
            printing::PrintFolderList(printer, window->SourcePane()->Rows()->Rows(), 3, app.m_permList.get(),
                                      app.m_tempList.get());
        break;
    }
    default:
        break;
    }
}

void ShowAboutBox(QWidget* owner) {
    ShowAboutBox(ProgramAboutRecord(owner));
}
