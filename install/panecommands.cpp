#include "install/panecommands.h"

#include "app/WFontMgrApp.h"
#include "install/batches.h"
#include "install/scan.h"
#include "platform/files.h"
#include "resources/strings.h"

void RunPasteBatch(ListPaneKind kind, PanePort& permPane, PanePort& tempPane) {
    if (kind == ListPaneKind::Permanent) PasteIntoPermanent(permPane, tempPane);
    if (kind == ListPaneKind::Temporary) PasteIntoTemporary(tempPane);
}

void RunCutBatch(PanePort& permPane) {
    CutPermanent(permPane);
}

void RunDeleteBatch(ListPaneKind kind, PanePort& pane) {
    if (kind == ListPaneKind::Permanent) DeletePermanent(pane);
    if (kind == ListPaneKind::Temporary) DeleteTemporary(pane);
}

void DeleteSourceFiles(PanePort& pane) {
    WFontMgrApp& app = TheApp();
    platform::WaitCursor wait(app.Ui());
    const std::vector<FontItem*> selected = pane.SelectedFonts();
    if (selected.empty()) return;
    if (app.m_bShowWarnings &&
        app.Ui().MessageBox(pane.OwnerWindow(), LoadString(IDS_DELETE_SOURCE_QUESTION),
                            LoadString(IDS_DELETE_SOURCE_CAPTION),
                            platform::kMbYesNo | platform::kMbIconQuestion) != platform::kIdYes)
        return;
    bool failed = false;
    for (FontItem* font : selected) {
        if (!platform::DeleteFile(font->m_strFilePath)) {
            failed = true;
            continue;
        }
        // The row goes before the font it points at.
        pane.RemoveRow(font);
        const size_t index = app.m_sourceList->Find(font);
        if (index != FontList::npos) app.m_sourceList->RemoveAt(index);
    }
    if (failed)
        app.Ui().MessageBox(pane.OwnerWindow(), LoadString(IDS_DELETE_SOURCE_FAILED),
                            LoadString(IDS_CAPTION_ERROR), platform::kMbOk | platform::kMbIconWarning);
}

void RescanSourceFolder(const std::string& folder) {
    ScanSourceFolder(folder);
}
