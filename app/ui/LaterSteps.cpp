#include "app/ui/LaterSteps.h"

#include "sharedui/ui/WAboutBox.h"

// The sheet, the printing and the About box fill these in.
void ShowFontProperties(QWidget*, FontItem*, const std::string&) {}

void PrintFromMenu(QWidget*, unsigned) {}

void ShowAboutBox(QWidget* owner) {
    ShowAboutBox(ProgramAboutRecord(owner));
}
