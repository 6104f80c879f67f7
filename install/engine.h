#pragma once
// Installing and uninstalling one font, permanently or temporarily, and the checks and file copy that
// every batch of installs shares.
#include "fontdata/FontItem.h"

#include <string>
#include <vector>

// A selection of fonts owned elsewhere (pane rows, the drag list, a group being installed).
using FontSelection = std::vector<FontItem*>;

// Activates the font until Windows restarts; with copyToTempFont its file(s) are first copied into the
// TempFont folder. A font without a file path counts as installed without anything being activated.
int InstallTemporary(FontItem& item, int copyToTempFont);
// Registers the font (Fonts registry value or "ATM.INI" entry) and activates it.
int InstallPermanent(FontItem& item);
// Deactivates the font; a TrueType file added several times is removed until none is left.
int UninstallTemporary(FontItem& item);
// Unregisters and deactivates the font. Never deletes a font file.
int UninstallPermanent(FontItem& item);

// Copies a file, asking before it replaces one while warnings are on. Answering No keeps the existing
// target, which then counts as the copy.
int CopyFileWithPrompt(const std::string& source, const std::string& target);

// The missing-file check and, on Windows NT, the Type 1 filter, both only while warnings are on.
// 1 go on, 0 stop (the selection is then empty). Fonts taken out of a list are deleted; fonts taken
// out of a FontSelection only leave the selection.
int ValidateSelection(FontList& selection);
int ValidateSelection(FontSelection& selection);

// Sets and returns m_bRemote: the file, or its original, lies on a removable, network, CD-ROM or RAM
// drive. The drive types are asked once per run (the application's remote-drive cache).
int TestRemote(FontItem& item);
int AnyRemote(const FontList& selection);
int AnyRemote(const FontSelection& selection);

// One font of a group installed permanently (copy 1: its file is copied into the Fonts folder first);
// a copy of it joins m_permList. The group's item keeps the new paths. No font-change notice.
int InstallGroupFontPermanent(FontItem& item, int copy);
// One font of a group installed temporarily with copying, recorded in "FGP_Temp.tmp"; a copy of it
// joins m_tempList. No font-change notice.
int InstallGroupFontTemporary(FontItem& item);

// Counted preview install for the Font Properties sheet: a font that is not active is installed
// temporarily without copying while at least one sheet shows it.
void AcquirePreview(FontItem& item);
void ReleasePreview(FontItem& item);
