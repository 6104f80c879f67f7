#include "install/panecommands.h"

#include "app/WFontMgrApp.h"
#include "platform/files.h"
#include "resources/strings.h"

// The three batch commands are wired to the batches of install/batches.h when those land:
// PasteIntoPermanent(permPane, tempPane), PasteIntoTemporary(tempPane), CutPermanent(permPane),
// DeletePermanent(pane) and DeleteTemporary(pane).
void RunPasteBatch(ListPaneKind, PanePort&, PanePort&) {}

void RunCutBatch(PanePort&) {}

void RunDeleteBatch(ListPaneKind, PanePort&) {}

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

// Wired to ScanSourceFolder(folder) of install/scan.h when the scan lands; until then the old
// folder's fonts are at least not shown under the new folder's caption.
void RescanSourceFolder(const std::string&) {
    TheApp().m_sourceList->RemoveAll();
}
