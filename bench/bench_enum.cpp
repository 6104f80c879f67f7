// Enumeration of 1,000 active TrueType fonts, the way the installed-font catalog walks them:
// every family, then every style of each family. Timed with an empty facts cache (cold) and with
// a filled one (warm), against a peer on the same files: FreeType opening and closing each face.
//
// usage: bench_enum [FONT.ttf ...]   (default: the DejaVu and Liberation fonts of the host)
#include "platform/fonttable.h"
#include "platform/hostfs.h"
#include "platform/image.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

using namespace platform;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kFonts = 1000;

uint16_t U16(const std::string& f, size_t at) {
    return uint16_t((uint8_t(f[at]) << 8) | uint8_t(f[at + 1]));
}
uint32_t U32(const std::string& f, size_t at) {
    return (uint32_t(U16(f, at)) << 16) | U16(f, at + 2);
}

// Gives a copy of a font its own family: the last four characters of its Windows family and full
// names become the copy's number, so that 1,000 copies are 1,000 families.
std::string Renumbered(std::string f, int number) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04d", number % 10000);
    int tables = U16(f, 4);
    for (int i = 0; i < tables; ++i) {
        size_t rec = 12 + 16 * size_t(i);
        if (f.compare(rec, 4, "name") != 0) continue;
        size_t name = U32(f, rec + 8);
        int count = U16(f, name + 2);
        size_t strings = name + U16(f, name + 4);
        for (int k = 0; k < count; ++k) {
            size_t r = name + 6 + 12 * size_t(k);
            uint16_t platformId = U16(f, r), id = U16(f, r + 6), len = U16(f, r + 8), off = U16(f, r + 10);
            if (platformId != 3 || (id != 1 && id != 4) || len < 8) continue;
            size_t end = strings + off + len;
            for (int d = 0; d < 4; ++d) {
                f[end - 8 + 2 * d] = 0;
                f[end - 8 + 2 * d + 1] = digits[d];
            }
        }
    }
    return f;
}

double MicrosPerFont(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count() / kFonts;
}

// The catalog's walk; returns the number of styles seen.
int Walk() {
    int styles = 0;
    std::vector<std::string> families;
    EnumFontFamilies(nullptr, [&](const ENUMLOGFONTA& elf, const NEWTEXTMETRICA&, uint32_t) {
        families.emplace_back(elf.elfLogFont.lfFaceName);
        return 1;
    });
    for (const auto& family : families)
        EnumFontFamilies(family.c_str(), [&](const ENUMLOGFONTA&, const NEWTEXTMETRICA&, uint32_t type) {
            styles += (type & kTrueTypeFontType) != 0;
            return 1;
        });
    return styles;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> sources;
    for (int i = 1; i < argc; ++i) sources.push_back(argv[i]);
    if (sources.empty()) {
        for (const char* dir : {"/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/truetype/liberation"}) {
            std::error_code ec;
            for (const auto& e : std::filesystem::directory_iterator(dir, ec))
                if (e.path().extension() == ".ttf") sources.push_back(e.path().string());
        }
        std::sort(sources.begin(), sources.end());
    }
    std::vector<std::string> fonts;
    for (const auto& s : sources)
        if (auto bytes = host::ReadFile(s)) fonts.push_back(*bytes);
    if (fonts.empty()) {
        std::fprintf(stderr,
                     "bench_enum: no fonts to copy (install fonts-dejavu-core or name some .ttf files)\n");
        return 1;
    }

    std::string tmpl = (std::filesystem::temp_directory_path() / "typestow-bench-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) return 1;
    const std::string root = tmpl + "/image";
    std::string error;
    if (!CreateImage(root, ImageOptions{}, &error) || !OpenImage(root)) {
        std::fprintf(stderr, "bench_enum: %s\n", error.c_str());
        return 1;
    }
    std::vector<std::string> hostPaths;
    for (int i = 0; i < kFonts; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "F%04d.TTF", i);
        std::string host = root + "/drives/d/FONTS/" + name;
        host::WriteFileAtomic(host, Renumbered(fonts[size_t(i) % fonts.size()], i));
        hostPaths.push_back(host);
        if (!AddFontResource(std::string("D:\\FONTS\\") + name)) {
            std::fprintf(stderr, "bench_enum: %s was not added\n", name);
            return 1;
        }
    }

    ClearFontFactsCache();
    auto t0 = Clock::now();
    int styles = Walk();
    auto cold = Clock::now() - t0;

    std::vector<Clock::duration> warmRuns;
    for (int run = 0; run < 5; ++run) {
        t0 = Clock::now();
        styles = std::min(styles, Walk());
        warmRuns.push_back(Clock::now() - t0);
    }
    std::sort(warmRuns.begin(), warmRuns.end());
    auto warm = warmRuns[warmRuns.size() / 2];

    // The peer: FreeType opening and closing every face, nothing else.
    FT_Library lib;
    FT_Init_FreeType(&lib);
    t0 = Clock::now();
    for (const auto& p : hostPaths) {
        FT_Face face;
        if (FT_New_Face(lib, p.c_str(), 0, &face) == 0) FT_Done_Face(face);
    }
    auto peer = Clock::now() - t0;
    FT_Done_FreeType(lib);

    std::printf("fonts: %d active files, %d styles enumerated\n", kFonts, styles);
    std::printf("cold cache:  %8.1f us per font  (%.2fx the peer)\n", MicrosPerFont(cold),
                MicrosPerFont(cold) / MicrosPerFont(peer));
    std::printf("warm cache:  %8.1f us per font  (%.3fx the peer; target under 100 us)\n",
                MicrosPerFont(warm), MicrosPerFont(warm) / MicrosPerFont(peer));
    std::printf("peer (FreeType open+close of each face): %8.1f us per font\n", MicrosPerFont(peer));

    std::error_code ec;
    std::filesystem::remove_all(tmpl, ec);
    return styles == kFonts && MicrosPerFont(warm) < 100.0 ? 0 : 2;
}
