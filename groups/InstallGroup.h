#pragma once
// Installing a group's fonts from the Install Font Group dialog, and the remote-copy question that
// every group install asks.
#include "app/GroupJob.h"
#include "fontdata/FontItem.h"

// Whether the files of a permanent group install are copied into the Fonts folder. Asked only when
// a font of the group lies on a removable, network, CD-ROM or RAM drive and warnings are on;
// otherwise nothing is copied. Returns 0 when the user cancelled, else 1 with `copy` set.
int AskCopyRemote(const FontList& groupFonts, int& copy);

// Runs the Install Font Group dialog on the group (the job's own when none is given) and installs
// the fonts the user chose; one of GroupJobResult.
int AskAndInstall(GroupJob& job, FontGroup* group = nullptr);
