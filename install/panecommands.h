#pragma once
// Commands of the list panes that change files and installations: Paste, Cut and Delete of the
// installed panes hand over to the install batches; Delete in the Source pane deletes font files.
#include "install/PanePort.h"
#include "install/listpanes.h"

#include <string>

// Paste into the Permanently Installed (`kind` Permanent) or Temporarily Installed pane.
void RunPasteBatch(ListPaneKind kind, PanePort& permPane, PanePort& tempPane);
// Cut in the Permanently Installed pane.
void RunCutBatch(PanePort& permPane);
// Delete in the Permanently Installed or Temporarily Installed pane.
void RunDeleteBatch(ListPaneKind kind, PanePort& pane);

// Delete in the Source pane: after the question (warnings on) deletes each selected font's file
// (the .PFM file of a Type 1 font), dropping the font and its row; files that cannot be deleted
// stay listed and are reported once at the end.
void DeleteSourceFiles(PanePort& sourcePane);

// Browse's new folder: empties m_sourceList and fills it from the folder.
void RescanSourceFolder(const std::string& folder);
