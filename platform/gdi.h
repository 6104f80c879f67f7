#pragma once
// The font records of the Win32 interface, laid out as Windows lays them out.
#include <cstdint>

namespace platform {

constexpr int kLfFaceSize = 32;
constexpr int kLfFullFaceSize = 64;

struct LOGFONTA {
    int32_t lfHeight;
    int32_t lfWidth;
    int32_t lfEscapement;
    int32_t lfOrientation;
    int32_t lfWeight;
    uint8_t lfItalic;
    uint8_t lfUnderline;
    uint8_t lfStrikeOut;
    uint8_t lfCharSet;
    uint8_t lfOutPrecision;
    uint8_t lfClipPrecision;
    uint8_t lfQuality;
    uint8_t lfPitchAndFamily;
    char lfFaceName[kLfFaceSize];
};

struct ENUMLOGFONTA {
    LOGFONTA elfLogFont;
    char elfFullName[kLfFullFaceSize];
    char elfStyle[kLfFaceSize];
};

struct NEWTEXTMETRICA {
    int32_t tmHeight;
    int32_t tmAscent;
    int32_t tmDescent;
    int32_t tmInternalLeading;
    int32_t tmExternalLeading;
    int32_t tmAveCharWidth;
    int32_t tmMaxCharWidth;
    int32_t tmWeight;
    int32_t tmOverhang;
    int32_t tmDigitizedAspectX;
    int32_t tmDigitizedAspectY;
    uint8_t tmFirstChar;
    uint8_t tmLastChar;
    uint8_t tmDefaultChar;
    uint8_t tmBreakChar;
    uint8_t tmItalic;
    uint8_t tmUnderlined;
    uint8_t tmStruckOut;
    uint8_t tmPitchAndFamily;
    uint8_t tmCharSet;
    uint32_t ntmFlags;
    uint32_t ntmSizeEM;
    uint32_t ntmCellHeight;
    uint32_t ntmAvgWidth;
};

// Font-type bits passed to enumeration callbacks.
enum : uint32_t { kRasterFontType = 0x0001, kDeviceFontType = 0x0002, kTrueTypeFontType = 0x0004 };
// Character sets.
enum : uint8_t { kAnsiCharset = 0, kDefaultCharset = 1, kSymbolCharset = 2 };

} // namespace platform
