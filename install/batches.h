#pragma once
// The install batches of the installed panes (Paste, Delete, Cut) and of drops onto them, with the
// checks and steps they share. Each batch asks its questions once for the whole selection, then
// works font by font with the install engine.
#include "install/DragState.h"
#include "install/PanePort.h"
#include "install/engine.h"

#include <memory>
#include <string>
#include <vector>

// Fonts taken out of a list during a batch, kept alive until rows that may still point at them are gone.
using RemovedFonts = std::vector<std::unique_ptr<FontItem>>;

// The folder of a file (the text before its last backslash) is the Fonts folder.
int IsInFontsFolder(const std::string& path);
// The folder of a file is exactly the TempFont folder.
int IsInTempFontFolder(const std::string& path);

// 1 when some font with a file path has its file in the Fonts folder.
int AnyInFontsFolder(const FontSelection& fonts);
// After a permanent uninstall: deletes the engine's copy in the Fonts folder (the font then names its
// original file again), or moves a file the user had put there into the TempFont folder.
// 1 when the file was in the Fonts folder.
int RelocateFromFontsFolder(FontItem& item);

// 1 when some font of the selection is the same font and file as one of m_permList (m_tempList);
// shows the notice once while warnings are on.
int NoticeAlreadyPermanent(const FontList& selection, platform::WindowHandle owner);
int NoticeAlreadyPermanent(const FontSelection& selection, platform::WindowHandle owner);
int NoticeAlreadyTemporary(const FontList& selection, platform::WindowHandle owner);
int NoticeAlreadyTemporary(const FontSelection& selection, platform::WindowHandle owner);

// 1 when m_tempList holds a font of the same name: it is uninstalled temporarily and taken out of the
// list (into `removed` when given, else deleted).
int TakeOverFromTemporary(FontItem& item, RemovedFonts* removed = nullptr);
// 1 when m_permList holds the same font and file. With uninstall 1 that font is uninstalled
// permanently and taken out of the list, and `item` is relocated out of the Fonts folder.
int TakeOverFromPermanent(FontItem& item, int uninstall, RemovedFonts* removed = nullptr);

// The batches of the Permanently Installed pane. Paste installs m_clipboard permanently and refills
// the Temporarily Installed pane when it took fonts over from there. Each posts the font-change notice.
void PasteIntoPermanent(PanePort& permPane, PanePort& tempPane);
void DeletePermanent(PanePort& permPane);
void CutPermanent(PanePort& permPane);
// The batches of the Temporarily Installed pane; each posts the font-change notice.
void PasteIntoTemporary(PanePort& tempPane);
void DeleteTemporary(PanePort& tempPane);

// Drops onto the installed panes: DROP_PERM_CHANGED and DROP_TEMP_CHANGED say which lists changed.
// The caller refills those panes before it next runs the event loop (fonts the drop took out of a
// list are already deleted) and posts the font-change notice when either flag is set.
int DropOnPermanent(DragState& drag, platform::WindowHandle owner);
int DropOnTemporary(DragState& drag, platform::WindowHandle owner);
