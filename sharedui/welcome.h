#pragma once
// The splash window's record and the rules it is laid out and timed by. The window itself is in
// sharedui/ui/WSplashWnd.
#include "platform/ui.h"

#include <cstdint>
#include <string>

// Copied by value when the splash window is made.
struct SplashRecord {
    platform::WindowHandle hParent = nullptr;
    const void* hBitmapModule = nullptr; // nullptr: the program's own pictures
    unsigned nBitmap256 = 0;             // 256 or more colours
    unsigned nBitmap16 = 0;              // 3 to 255 colours
    unsigned nBitmap2 = 0;               // 2 colours
    const void* hStringModule = nullptr; // nullptr: the program's own strings
    unsigned nOverPictureId = 0;
    unsigned nCaptionId = 0;
    unsigned nLargeLineId = 0;
    unsigned nFirstNoticeId = 0;
    unsigned nNoticeCount = 0;
    unsigned nFirstSmallPrintId = 0;
    unsigned nSmallPrintCount = 0;
    unsigned nStatusId = 0; // 0: no status line
};

// The record this program passes.
SplashRecord ProgramSplashRecord(platform::WindowHandle parent);

constexpr int64_t kSplashMinimumMs = 1500;
constexpr size_t kSplashStatusMax = 100;
constexpr int kSplashDefaultWidth = 400; // picture area without a bitmap
constexpr int kSplashDefaultHeight = 300;

// Hidden (0) and minimized (2, 6, 7) starts show no splash window.
bool SplashShowStateAllowed(int showState);

// Colours of a display: 2 to the power of bits per pixel times planes; below 15 bits on a palette
// device the palette size; above 24 bits 16777216.
long DisplayColourCount(int bitsPerPixel, int planes, bool paletteDevice, int paletteSize);

// The bitmap for a colour count: below 3 the 2-colour one, below 256 the middle one, else the first.
unsigned SplashBitmapId(const SplashRecord& record, long colours);

// `count` strings from `firstId` on, joined by `separator` unless the previous one ends with a
// line break.
std::string JoinStringLines(unsigned firstId, unsigned count, const std::string& separator);
std::string SplashNoticeText(const SplashRecord& record);     // joined by two spaces
std::string SplashSmallPrintText(const SplashRecord& record); // joined by one space

// The status line as kept: at most 100 characters.
std::string SplashStatusText(const std::string& text);

// Milliseconds CloseSplash still has to wait, given when the window was first painted (negative:
// never painted, so no wait) and the time now.
int64_t SplashRemainingMs(int64_t paintedAtMs, int64_t nowMs);

// The face for the large line: the selected face when it is "Arial" or "AvantGarde Md BT", else
// "AvantGarde Md BT".
std::string LargeLineFace(const std::string& selectedFace);
