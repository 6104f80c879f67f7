#pragma once
// Places inside the program folder that several subsystems share.
#include <string>

// The program folder followed by "TempFont", without a trailing backslash: copies of fonts installed
// temporarily, and files moved out of the Fonts folder by a permanent uninstall.
std::string TempFontFolder();
// The record file of temporarily installed fonts and their original files: program folder + "FGP_Temp.tmp".
std::string TempRecordFilePath();
