#include "app/folders.h"

#include "app/WFontMgrApp.h"

std::string TempFontFolder() {
    return TheApp().ProgramFolder() + "TempFont";
}

std::string TempRecordFilePath() {
    return TheApp().ProgramFolder() + "FGP_Temp.tmp";
}
