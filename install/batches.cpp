#include "install/batches.h"

#include "app/WFontMgrApp.h"
#include "app/folders.h"
#include "fontdata/Type1.h"
#include "platform/broadcast.h"
#include "platform/files.h"
#include "platform/fonttable.h"
#include "platform/text.h"
#include "resources/strings.h"

namespace {

// The text before the last backslash; empty when there is none.
std::string FolderBeforeLastBackslash(const std::string& path) {
    size_t p = path.rfind('\\');
    return p == std::string::npos ? std::string() : path.substr(0, p);
}

std::string BaseNameOfPath(const std::string& path) {
    size_t p = path.rfind('\\');
    return p == std::string::npos ? path : path.substr(p + 1);
}

bool HoldsSameFontAndFile(const FontList& list, const FontItem& item) {
    for (FontItem* held : list)
        if (IsSameFontAndFile(*held, item)) return true;
    return false;
}

template <typename Sel>
int NoticeAlready(const Sel& selection, const FontList& installed, unsigned text,
                  platform::WindowHandle owner) {
    for (FontItem* font : selection) {
        if (!HoldsSameFontAndFile(installed, *font)) continue;
        WFontMgrApp& app = TheApp();
        if (app.m_bShowWarnings)
            app.Ui().MessageBox(owner, LoadString(text), LoadString(IDS_CAPTION_NOTICE),
                                platform::kMbOk | platform::kMbIconInformation);
        return 1;
    }
    return 0;
}

// Takes a font out of a list, keeping it alive in `removed` when given.
void TakeOut(FontList& list, FontItem* font, RemovedFonts* removed) {
    auto owned = list.RemoveAt(list.Find(font));
    if (removed && owned) removed->push_back(std::move(owned));
}

// Questions answered Yes while warnings are off.
bool Confirm(platform::WindowHandle owner, unsigned text, unsigned caption) {
    WFontMgrApp& app = TheApp();
    if (!app.m_bShowWarnings) return true;
    return app.Ui().MessageBox(owner, LoadString(text), LoadString(caption),
                               platform::kMbYesNo | platform::kMbIconQuestion) == platform::kIdYes;
}

// The copy question of the permanent batches: false when the user cancelled.
template <typename Sel> bool AskCopyRemote(const Sel& selection, platform::WindowHandle owner, int& copy) {
    copy = 0;
    if (!AnyRemote(selection)) return true;
    WFontMgrApp& app = TheApp();
    if (!app.m_bShowWarnings) {
        copy = 1;
        return true;
    }
    int answer =
        app.Ui().MessageBox(owner, LoadString(IDS_COPY_REMOTE), LoadString(IDS_INSTALLING_PERMANENTLY),
                            platform::kMbYesNoCancel | platform::kMbIconQuestion);
    if (answer == platform::kIdCancel) return false;
    copy = answer == platform::kIdYes ? 1 : 0;
    return true;
}

// Copies a font's file(s) into the Fonts folder and makes the font name the copy. `oldFolder` is the
// folder the font's file was in when the batch took it up.
void CopyIntoFontsFolder(FontItem& item, const std::string& oldFolder) {
    if (item.m_strFilePath.empty()) return; // nothing to copy
    const std::string target = platform::FontsFolder() + "\\" + BaseNameOfPath(item.m_strFilePath);
    // A file already in the Fonts folder is left where it is and not marked as the engine's copy, so
    // that an uninstall does not delete the only file of the font.
    if (platform::EqualNoCase(target, item.m_strFilePath)) {
        item.m_strOriginalPath.clear();
        item.m_bRemote = 0;
        return;
    }
    CopyFileWithPrompt(item.m_strFilePath, target);
    if (item.m_nType == FT_TYPE1) {
        CopyFileWithPrompt(OutlinePathOf(item.m_strFilePath), OutlinePathOf(target));
        platform::SetFileAttributes(OutlinePathOf(target), platform::kAttrNormal);
    }
    platform::SetFileAttributes(target, platform::kAttrNormal);
    item.m_strOriginalPath = oldFolder == TempFontFolder() ? std::string() : item.m_strFilePath;
    item.m_strFilePath = target;
    item.m_bRemote = 0;
    item.m_bCopiedToFonts = 1;
}

void TakeUpOriginalPath(FontItem& item) {
    item.m_strFilePath = item.m_strOriginalPath;
    item.m_strOriginalPath.clear();
}

// Appends an installed copy to its list unless the list holds the same font and file already.
// Returns the font as appended, or nullptr when the copy was dropped.
FontItem* AppendUnlessHeld(FontList& list, std::unique_ptr<FontItem> item) {
    if (HoldsSameFontAndFile(list, *item)) return nullptr;
    return list.AddTail(std::move(item));
}

void NoticeSkippedPermanent(platform::WindowHandle owner) {
    WFontMgrApp& app = TheApp();
    if (app.m_bShowWarnings)
        app.Ui().MessageBox(owner, LoadString(IDS_SKIPPED_PERMANENT), LoadString(IDS_CAPTION_NOTICE),
                            platform::kMbOk | platform::kMbIconInformation);
}

void ReportDeleteFailed(platform::WindowHandle owner) {
    TheApp().Ui().MessageBox(owner, LoadString(IDS_DELETE_FAILED), LoadString(IDS_CAPTION_ERROR),
                             platform::kMbOk | platform::kMbIconInformation);
}

// Delete and Cut of the Permanently Installed pane; with `clipboard` the uninstalled fonts go there.
void UninstallPermanentRows(PanePort& pane, bool toClipboard) {
    WFontMgrApp& app = TheApp();
    platform::UiPort& ui = app.Ui();
    const platform::WindowHandle owner = pane.OwnerWindow();
    platform::WaitCursor wait(ui);
    const FontSelection selected = pane.SelectedFonts();
    const int inFontsFolder = AnyInFontsFolder(selected);
    if (!Confirm(owner, IDS_CONFIRM_UNINSTALL, IDS_UNINSTALL_PERMANENTLY)) return;
    if (toClipboard) app.m_clipboard->RemoveAll();

    RemovedFonts removed;
    bool failed = false, rowLeft = false;
    for (FontItem* font : selected) {
        if (!UninstallPermanent(*font)) {
            failed = true;
            continue;
        }
        auto owned = app.m_permList->RemoveAt(app.m_permList->Find(font));
        if (inFontsFolder) RelocateFromFontsFolder(*font);
        if (!pane.RemoveRow(font)) failed = rowLeft = true;
        if (toClipboard && owned && !HoldsSameFontAndFile(*app.m_clipboard, *owned))
            app.m_clipboard->AddTail(std::move(owned));
        else if (owned)
            removed.push_back(std::move(owned));
    }
    // A row that would not go must not outlive its font.
    if (rowLeft) pane.Refill();
    platform::PostFontChange();
    if (failed) ReportDeleteFailed(owner);
}

} // namespace

int IsInFontsFolder(const std::string& path) {
    if (path.rfind('\\') == std::string::npos) return 0;
    return platform::EqualNoCase(FolderBeforeLastBackslash(path), platform::FontsFolder()) ? 1 : 0;
}

int IsInTempFontFolder(const std::string& path) {
    if (path.rfind('\\') == std::string::npos) return 0;
    return FolderBeforeLastBackslash(path) == TempFontFolder() ? 1 : 0;
}

int AnyInFontsFolder(const FontSelection& fonts) {
    for (const FontItem* font : fonts)
        if (!font->m_strFilePath.empty() && IsInFontsFolder(font->m_strFilePath)) return 1;
    return 0;
}

int RelocateFromFontsFolder(FontItem& item) {
    if (!IsInFontsFolder(item.m_strFilePath)) return 0;
    if (item.m_strOriginalPath.empty()) {
        const std::string target = TempFontFolder() + "\\" + BaseNameOfPath(item.m_strFilePath);
        platform::CreateFolder(TempFontFolder());
        platform::MoveFile(item.m_strFilePath, target);
        item.m_strFilePath = target;
    } else {
        platform::DeleteFile(item.m_strFilePath);
        TakeUpOriginalPath(item);
    }
    return 1;
}

int NoticeAlreadyPermanent(const FontList& selection, platform::WindowHandle owner) {
    return NoticeAlready(selection, *TheApp().m_permList, IDS_ALREADY_PERMANENT, owner);
}
int NoticeAlreadyPermanent(const FontSelection& selection, platform::WindowHandle owner) {
    return NoticeAlready(selection, *TheApp().m_permList, IDS_ALREADY_PERMANENT, owner);
}
int NoticeAlreadyTemporary(const FontList& selection, platform::WindowHandle owner) {
    return NoticeAlready(selection, *TheApp().m_tempList, IDS_ALREADY_TEMPORARY, owner);
}
int NoticeAlreadyTemporary(const FontSelection& selection, platform::WindowHandle owner) {
    return NoticeAlready(selection, *TheApp().m_tempList, IDS_ALREADY_TEMPORARY, owner);
}

int TakeOverFromTemporary(FontItem& item, RemovedFonts* removed) {
    FontList& temp = *TheApp().m_tempList;
    for (FontItem* font : temp) {
        if (!IsSameName(font->m_strFullName, item.m_strFullName)) continue;
        UninstallTemporary(*font);
        TakeOut(temp, font, removed);
        return 1;
    }
    return 0;
}

int TakeOverFromPermanent(FontItem& item, int uninstall, RemovedFonts* removed) {
    FontList& perm = *TheApp().m_permList;
    for (FontItem* font : perm) {
        if (!IsSameFontAndFile(*font, item)) continue;
        if (uninstall) {
            UninstallPermanent(*font);
            TakeOut(perm, font, removed);
            RelocateFromFontsFolder(item);
        }
        return 1;
    }
    return 0;
}

void PasteIntoPermanent(PanePort& permPane, PanePort& tempPane) {
    WFontMgrApp& app = TheApp();
    FontList& clipboard = *app.m_clipboard;
    const platform::WindowHandle owner = permPane.OwnerWindow();
    if (!ValidateSelection(clipboard)) return;
    int copy = 0;
    if (!AskCopyRemote(clipboard, owner, copy)) return;

    platform::WaitCursor wait(app.Ui());
    NoticeAlreadyPermanent(clipboard, owner);
    RemovedFonts removed;
    bool added = false, refillTemp = false;
    for (FontItem* font : clipboard) {
        auto x = std::make_unique<FontItem>(*font);
        const std::string folder = FolderBeforeLastBackslash(x->m_strFilePath);
        if ((copy && TestRemote(*x)) || x->m_strFilePath.empty() || folder == TempFontFolder()) {
            if (x->m_strFilePath.empty()) TakeUpOriginalPath(*x);
            CopyIntoFontsFolder(*x, folder);
        }
        if (TakeOverFromTemporary(*x, &removed)) refillTemp = true;
        if (!InstallPermanent(*x)) continue;
        if (FontItem* appended = AppendUnlessHeld(*app.m_permList, std::move(x))) {
            permPane.AddRow(appended);
            added = true;
        }
    }
    if (added) permPane.SortRows();
    if (refillTemp) tempPane.Refill();
    platform::PostFontChange();
}

int DropOnPermanent(DragState& drag, platform::WindowHandle owner) {
    if (!drag.m_bDragging || drag.m_nSource == DRAG_FROM_PERM || drag.m_dragList.empty()) return 0;
    WFontMgrApp& app = TheApp();
    ValidateSelection(drag.m_dragList);
    if (drag.m_dragList.empty()) return 0;
    int copy = 0;
    if (!AskCopyRemote(drag.m_dragList, owner, copy)) return 0;
    if (drag.m_nSource == DRAG_FROM_TEMP && !Confirm(owner, IDS_CONFIRM_UNINSTALL, IDS_UNINSTALL_TEMPORARILY))
        return 0;
    NoticeAlreadyPermanent(drag.m_dragList, owner);

    // The dragged fonts are list members; those taken over stay alive until the walk is done.
    RemovedFonts removed;
    int flags = 0;
    const FontSelection dragged = drag.m_dragList;
    for (FontItem* font : dragged) {
        auto x = std::make_unique<FontItem>(*font);
        const std::string folder = FolderBeforeLastBackslash(x->m_strFilePath);
        if (TakeOverFromTemporary(*x, &removed)) flags |= DROP_TEMP_CHANGED;
        bool fromTempCopy = false;
        if (folder == TempFontFolder()) {
            // Installed from where it came from; when that is unknown or gone, from a copy of the
            // TempFont file in the Fonts folder, since the TempFont copy is tidied away later.
            if (!x->m_strOriginalPath.empty() && platform::FileExists(x->m_strOriginalPath))
                TakeUpOriginalPath(*x);
            else
                fromTempCopy = true;
        }
        if ((copy && TestRemote(*x)) || x->m_strFilePath.empty() || fromTempCopy) {
            if (x->m_strFilePath.empty()) TakeUpOriginalPath(*x);
            CopyIntoFontsFolder(*x, folder);
        }
        if (!InstallPermanent(*x)) continue;
        if (AppendUnlessHeld(*app.m_permList, std::move(x))) flags |= DROP_PERM_CHANGED;
    }
    return flags;
}

void PasteIntoTemporary(PanePort& tempPane) {
    WFontMgrApp& app = TheApp();
    FontList& clipboard = *app.m_clipboard;
    const platform::WindowHandle owner = tempPane.OwnerWindow();
    platform::WaitCursor wait(app.Ui());
    ValidateSelection(clipboard);
    NoticeAlreadyTemporary(clipboard, owner);

    bool added = false, skipped = false;
    for (FontItem* font : clipboard) {
        auto x = std::make_unique<FontItem>(*font);
        if (TakeOverFromPermanent(*x, 0)) {
            skipped = true;
            continue;
        }
        if (!InstallTemporary(*x, 1)) continue;
        app.RecordTempInstall(*x);
        if (FontItem* appended = AppendUnlessHeld(*app.m_tempList, std::move(x))) {
            tempPane.AddRow(appended);
            added = true;
        }
    }
    if (added) tempPane.SortRows();
    if (skipped) NoticeSkippedPermanent(owner);
    platform::PostFontChange();
}

int DropOnTemporary(DragState& drag, platform::WindowHandle owner) {
    if (!drag.m_bDragging || drag.m_nSource == DRAG_FROM_TEMP || drag.m_dragList.empty()) return 0;
    WFontMgrApp& app = TheApp();
    ValidateSelection(drag.m_dragList);
    if (drag.m_dragList.empty()) return 0;
    NoticeAlreadyTemporary(drag.m_dragList, owner);
    const bool fromPerm = drag.m_nSource == DRAG_FROM_PERM;
    if (fromPerm && !Confirm(owner, IDS_CONFIRM_UNINSTALL, IDS_UNINSTALL_PERMANENTLY)) return 0;

    RemovedFonts removed;
    int flags = 0;
    bool skipped = false;
    const FontSelection dragged = drag.m_dragList;
    for (FontItem* font : dragged) {
        auto x = std::make_unique<FontItem>(*font);
        if (fromPerm) {
            if (TakeOverFromPermanent(*x, 1, &removed)) flags |= DROP_PERM_CHANGED;
        } else if (TakeOverFromPermanent(*x, 0)) {
            skipped = true;
            continue;
        }
        if (!InstallTemporary(*x, 1)) continue;
        app.RecordTempInstall(*x);
        AppendUnlessHeld(*app.m_tempList, std::move(x));
        flags |= DROP_TEMP_CHANGED;
    }
    if (skipped) NoticeSkippedPermanent(owner);
    return flags;
}

void DeletePermanent(PanePort& permPane) {
    UninstallPermanentRows(permPane, false);
}

void CutPermanent(PanePort& permPane) {
    UninstallPermanentRows(permPane, true);
}

void DeleteTemporary(PanePort& tempPane) {
    WFontMgrApp& app = TheApp();
    const platform::WindowHandle owner = tempPane.OwnerWindow();
    platform::WaitCursor wait(app.Ui());
    if (!Confirm(owner, IDS_CONFIRM_UNINSTALL, IDS_UNINSTALL_TEMPORARILY)) return;

    const FontSelection selected = tempPane.SelectedFonts();
    RemovedFonts removed;
    bool failed = false, rowLeft = false;
    for (FontItem* font : selected) {
        if (!UninstallTemporary(*font)) {
            failed = true;
            continue;
        }
        auto owned = app.m_tempList->RemoveAt(app.m_tempList->Find(font));
        if (!tempPane.RemoveRow(font)) failed = rowLeft = true;
        if (owned) removed.push_back(std::move(owned));
    }
    if (rowLeft) tempPane.Refill();
    platform::PostFontChange();
    if (failed) ReportDeleteFailed(owner);
}
