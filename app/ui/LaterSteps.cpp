#include "app/ui/LaterSteps.h"

#include "app/ui/QtUiPort.h"
#include "properties/ui/WFontPropSheet.h"
#include "sharedui/ui/WAboutBox.h"

// The sheet deletes itself when it closes, or at once when the user aborts it.
void ShowFontProperties(QWidget* owner, FontItem* font, const std::string& caption) {
    if (!font) return;
    auto* sheet = new WFontPropSheet(FromAnsi(caption), font, owner);
    sheet->ShowProperties(owner);
}

// Printing is not built yet: the Print items do nothing.
void PrintFromMenu(QWidget*, unsigned) {}

void ShowAboutBox(QWidget* owner) {
    ShowAboutBox(ProgramAboutRecord(owner));
}
