#pragma once
// Type 1 fonts: the .PFM metrics file read for names and style, the .PFB outline path beside it, the
// style code Adobe Type Manager takes, and the "ATM.INI" entries of permanently installed ones.
#include "fontdata/ByteSource.h"
#include "fontdata/FontItem.h"

#include <string>

// Reads the PostScript name of a .PFM file's bytes and derives style, full and family names from it.
// 1 when read, 0 when the file is too short or its name offset cannot be read.
int ReadPfmInfoFrom(FontItem& item, const ByteSource& file);

// The outline file of a metrics file: the extension replaced by "pfb"; no extension, unchanged.
std::string OutlinePathOf(const std::string& metricsPath);
// 2 "bold", 1 "italic", 3 "bolditalic", 0 anything else (compared exactly).
int StyleCodeOf(const std::string& style);
// The style code of a font Adobe Type Manager reports: 2 when lfWeight is above 500, plus 1 when italic.
int StyleCodeOfLogFont(const platform::LOGFONTA& logFont);
// The style text of a code: "bold", "italic", "bolditalic", or "" for 0.
const char* StyleTextOf(int code);

// Section "Fonts" of "ATM.INI": key full name[,style], value "pfm,pfb".
std::string AtmIniKey(const FontItem& item);
std::string AtmIniValue(const FontItem& item);
void WriteAtmIniEntry(const FontItem& item);
void DeleteAtmIniEntry(const FontItem& item);
bool HasAtmIniEntry(const FontItem& item);

extern const char* const kAtmIni;        // "ATM.INI"
extern const char* const kAtmIniSection; // "Fonts"
