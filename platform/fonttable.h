#pragma once
// The font table of the running session: font resources added and removed by file, counted per
// file, shared by every program using the image, and enumerated the way GDI enumerates fonts.
//
// Metrics are computed with FreeType from the active files at a nominal size of 16 pixels per em
// (12 points on a 96-dpi screen): kNominalPixelsPerEm. LOGFONT and TEXTMETRIC heights and widths are
// in pixels at that size; the NEWTEXTMETRIC extras (ntmSizeEM, ntmCellHeight, ntmAvgWidth) are in
// font design units, as Windows gives them. The facts of each file are cached in this process by
// (file, size, modification time), so repeated enumerations only look at the files' dates.
#include "platform/gdi.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

constexpr int kNominalPixelsPerEm = 16;

// AddFontResourceA: the number of faces the file holds (non-zero) once it is in the table, or 0
// when the path does not resolve, the file is missing, or it holds no TrueType face. Each
// successful call adds one to the file's count. Paths compare without regard to case.
int AddFontResource(const std::string& path);
// RemoveFontResourceA: undoes one add of the file and answers non-zero; 0 when the file is not in
// the table. Callers undo every add by calling it until it answers 0.
int RemoveFontResource(const std::string& path);
// How many adds of the file are in force; 0 when it is not active.
int FontResourceCount(const std::string& path);

struct ActiveFontFile {
    std::string path; // the Windows path as first added
    int count = 0;
};
// The table in the order files were first added.
std::vector<ActiveFontFile> ActiveFontFiles();

// An enumeration callback, as GDI calls one: the face's records and its font-type bits
// (kTrueTypeFontType set, kRasterFontType clear for every face of the table). Return 0 to stop.
using FontEnumProc = std::function<int(const ENUMLOGFONTA&, const NEWTEXTMETRICA&, uint32_t fontType)>;

// EnumFontFamiliesA. face null or empty: one face per family (its most regular style); otherwise
// every style of the family whose face name equals `face` (without regard to case; a face name is
// at most 31 characters). Returns the last value the callback returned, or 1 when it was never
// called.
int EnumFontFamilies(const char* face, const FontEnumProc& proc);
// EnumFontFamiliesExA: lfFaceName empty gives one face per family and character set, otherwise every
// style of that family; lfCharSet kDefaultCharset means any character set, another value keeps only
// faces of that set (a symbol font has kSymbolCharset, every other font kAnsiCharset).
// lfPitchAndFamily must be 0, as for GDI.
int EnumFontFamiliesEx(const LOGFONTA& filter, const FontEnumProc& proc);

// One active face, for drawing a font in the very file the table holds.
struct ActiveFace {
    std::string windowsPath;
    std::string hostPath;
    int faceIndex = 0; // within a collection file
    ENUMLOGFONTA logFont{};
    NEWTEXTMETRICA textMetric{};
};
// The active face a logical font selects: same face name (without regard to case), then the
// closest weight and the same italic flag. nullopt when no active face has that name.
std::optional<ActiveFace> MatchActiveFace(const LOGFONTA& wanted);

// The faces of a font file computed directly (through the cache), whether it is active or not.
// Empty when the file is not a TrueType font. For "typestow-info" and tests.
std::vector<ActiveFace> FacesOfFontFile(const std::string& path);

// Fills a fresh session's table from the registry's Fonts key of the image's platform, each value
// resolved as the installed-font catalog resolves registration data. Called by the session start;
// the caller holds the ImageLock.
void LoadBootTimeTrueTypeFonts();

// The registry's Fonts key of the image's platform (below HKEY_LOCAL_MACHINE).
std::string FontsRegistryKey();
// The Fonts folder of the image's platform: Windows folder + "\Fonts" on Windows 95, + "\SYSTEM" on NT.
std::string FontsFolder();

// The lines "typestow-system fonts" prints: the TrueType files with their add counts, then the
// active Type 1 fonts with menu name, style code and both paths (Windows-1252 text).
std::vector<std::string> FontTableListing();

// Drops this process's cached font facts (the benchmark measures an empty cache with it).
void ClearFontFactsCache();

} // namespace platform
