#pragma once
// The console UI port of the program (TYPESTOW_UI=console): message boxes as ConsoleUi writes them,
// and the Install Font Group dialog answered from TYPESTOW_GROUP_DIALOG: "Temp" (the default, as
// Enter: Add Temp with the first font selected), "Perm", "Launch" or "Cancel", optionally followed
// by ":all" (Select All first) or ":none" (nothing selected).
#include "platform/ui.h"

class ConsoleAppUi : public platform::ConsoleUi {
public:
    platform::InstallGroupChoice InstallGroupDialog(const FontGroup& group) override;
};
