#include "sharedui/welcome.h"

#include "resources/resource.h"
#include "resources/strings.h"

SplashRecord ProgramSplashRecord(platform::WindowHandle parent) {
    SplashRecord r;
    r.hParent = parent;
    r.nBitmap256 = IDB_SPLASH_256;
    r.nBitmap16 = IDB_SPLASH_16;
    r.nBitmap2 = IDB_SPLASH_2;
    r.nOverPictureId = IDS_PRODUCT_OVER_PICTURE;
    r.nCaptionId = IDS_PRODUCT_TITLE;
    r.nLargeLineId = IDS_PRODUCT_VERSION;
    r.nFirstNoticeId = IDS_PRODUCT_NOTICE1;
    r.nNoticeCount = 2;
    r.nFirstSmallPrintId = 0;
    r.nSmallPrintCount = 0;
    r.nStatusId = IDS_SPLASH_ENUMERATING;
    return r;
}

bool SplashShowStateAllowed(int showState) {
    return showState != 0 && showState != 2 && showState != 6 && showState != 7;
}

long DisplayColourCount(int bitsPerPixel, int planes, bool paletteDevice, int paletteSize) {
    const int bits = bitsPerPixel * planes;
    if (bits < 15 && paletteDevice) return paletteSize;
    if (bits > 24) return 16777216L;
    if (bits <= 0) return 2; // a display that reports nothing is drawn as monochrome
    return 1L << bits;
}

unsigned SplashBitmapId(const SplashRecord& record, long colours) {
    if (colours < 3) return record.nBitmap2;
    if (colours < 256) return record.nBitmap16;
    return record.nBitmap256;
}

std::string JoinStringLines(unsigned firstId, unsigned count, const std::string& separator) {
    std::string text;
    for (unsigned i = 0; i < count; ++i) {
        const std::string line = LoadString(firstId + i);
        if (i > 0 && !(text.size() && text.back() == '\n')) text += separator;
        text += line;
    }
    return text;
}

std::string SplashNoticeText(const SplashRecord& record) {
    return JoinStringLines(record.nFirstNoticeId, record.nNoticeCount, "  ");
}

std::string SplashSmallPrintText(const SplashRecord& record) {
    return JoinStringLines(record.nFirstSmallPrintId, record.nSmallPrintCount, " ");
}

std::string SplashStatusText(const std::string& text) {
    return text.substr(0, kSplashStatusMax);
}

int64_t SplashRemainingMs(int64_t paintedAtMs, int64_t nowMs) {
    if (paintedAtMs < 0) return 0;
    const int64_t left = paintedAtMs + kSplashMinimumMs - nowMs;
    return left > 0 ? left : 0;
}

std::string LargeLineFace(const std::string& selectedFace) {
    if (selectedFace == "Arial" || selectedFace == "AvantGarde Md BT") return selectedFace;
    return "AvantGarde Md BT";
}
