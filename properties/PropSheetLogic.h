#pragma once
// What the Font Properties sheet and its Sample and Character Set pages decide, without a window:
// the name and icon the sheet shows, where its own buttons go, the preview install, the face lookup,
// the sample sizes and the character grid's font and labels.
#include "fontdata/FontItem.h"

#include <functional>
#include <string>
#include <vector>

// Longer names are cut so that they never overrun what the sheet keeps.
constexpr size_t kSheetFontNameMax = 47;
constexpr size_t kPageFontNameMax = 128;
std::string SheetFontName(const FontItem& item);
// 146 for TrueType, 147 for every other type.
unsigned TypeIconId(FontType type);

// Construction: reads the font's details and takes the preview install.
void OpenSheetOnFont(FontItem& item);
// Before the window shows: an empty file path falls back to the original path (reading the TrueType
// details that construction could not read); 1 when the file is there.
int PrepareSheetFile(FontItem& item);

// Whether one of the application's lists (or a group) still holds the item. A sheet points at a font
// that a pane's list owns, and the lists are rebuilt while sheets stay open: a font that has gone
// is not touched again.
bool FontStillHeld(const FontItem* item);

// The help context of the page at an index (Sample 31, Info 36, Character Set 40); 0 for none.
unsigned PageHelpContext(int pageIndex);

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ScreenRect&) const = default;
};
// Print and Close to the left of Help, spaced by Help's distance from the sheet's right edge.
struct SheetButtonRow {
    ScreenRect print, close;
};
SheetButtonRow PlaceSheetButtons(const ScreenRect& help, const ScreenRect& sheet);

// The Sample page's sizes in list order, and the entry selected when it opens (18).
const std::vector<std::string>& SampleSizes();
constexpr int kDefaultSizeIndex = 6;
// -(dpi * points / 72), truncated toward zero.
int SampleHeight(int dpi, int points);
// The leading decimal digits; a text without any gives the default 18.
int ParseSampleSize(const std::string& text);
// The list entry that the edited text names exactly (first 31 characters, case ignored), or -1.
int MatchSizeEntry(const std::string& text);
// The width scaled by the new size over the previous one, rounded; 0 stays 0.
int ScaleSampleWidth(int width, int previousPoints, int newPoints);

// A copy of the item's logical font with the family name as face name (cut to 31 characters).
platform::LOGFONTA PageLogFont(const FontItem& item);

// What the face lookup installed itself, to be undone when its page goes.
struct FaceLookupInstall {
    int ownInstall = 0;       // the lookup installed the font temporarily
    std::string trueTypePath; // the TrueType file it added once, when that succeeded
};
// Looks the item's face up among the active faces of its family, installing the font temporarily
// first when neither installed list holds it. The last face with the exact full name gives the item
// its logical font and text metrics.
FaceLookupInstall LookUpFace(FontItem& item);
// Undoes exactly the lookup's own install: one add of a TrueType file (other sheets' adds of the
// same file stay), or the temporary install of another font while a list still holds it.
void UndoFaceLookupInstall(FontItem* item, const FaceLookupInstall& install);

// Word wrapping of the sample: the lines of `text`, broken at blanks, each not wider than `width`
// by `advance` (a word that is wider on its own gets a line of its own).
std::vector<std::string> WrapText(const std::string& text, int width,
                                  const std::function<int(const std::string&)>& advance);

// The Character Set page.
struct CharGridSetup {
    platform::LOGFONTA cellFont{};
    int firstCode = 33;
    int lastCode = 255;
    int count = 0;
};
// The cell font scaled so that the larger of cell height and widest character is 50 pixels, the
// first code raised to 33 and a last code of 0 made 255 (both written into the item), the character
// set kept only when it is the symbol set.
CharGridSetup PrepareCharGrid(FontItem& item);
// "space", "none" for the codes without a visible character, otherwise the character itself.
std::string CharacterName(int code);
std::string CharacterNameLabel(int code);
std::string AnsiCodeLabel(int code);
// What the labels show before a character is marked, and when no item is current.
std::string EmptyCharacterNameLabel();
std::string EmptyAnsiCodeLabel();
