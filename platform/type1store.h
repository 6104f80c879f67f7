#pragma once
// The session's record of active Type 1 fonts, kept by the Type 1 service in the session folder and
// read by "typestow-system fonts". A fresh session fills it from ATM.INI's [Fonts] section.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct Type1Record {
    std::string menuName;
    uint16_t style = 0; // 0 regular, 1 italic, 2 bold, 3 bold italic
    bool permanent = false;
    std::string metricsPath; // .PFM, Windows path
    std::string outlinePath; // .PFB, Windows path
    std::string postScriptName;
};

// The active Type 1 fonts in the order they were added.
std::vector<Type1Record> ActiveType1Fonts();
// Adds (or replaces: same menu name without regard to case, same style) a record. False when the
// record cannot be written.
bool AddType1Record(const Type1Record& record);
// Removes the record of a menu name and style; false when there is none.
bool RemoveType1Record(const std::string& menuName, uint16_t style);
// Fills a fresh session's record from ATM.INI [Fonts] ("Name[,style]=metrics,outline"); entries
// whose metrics file is missing are skipped. The caller holds the ImageLock.
void LoadBootTimeType1Fonts();

// The PostScript name a .PFM file names (at most 40 bytes at the offset held at byte 139).
std::string PostScriptNameOfPfm(const std::string& metricsPath);

} // namespace platform
