// The TrueType reader over a folder of 3,000 or more real fonts (copies of the host's Noto, DejaVu and
// Liberation files made at run time), against fc-scan on the same folder in the same run. Both run
// once untimed first, so both are measured with a warm page cache; the best of three runs counts.
//
// usage: bench_readers [MIN_FILES]   (default 3000)
#include "fontdata/FontItem.h"
#include "platform/image.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

const char* const kSourceFolders[] = {"/usr/share/fonts/truetype/noto", "/usr/share/fonts/truetype/dejavu",
                                      "/usr/share/fonts/truetype/liberation"};

std::vector<fs::path> SourceFonts() {
    std::vector<fs::path> out;
    for (const char* folder : kSourceFolders) {
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(folder, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            std::string ext = it->path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
            if (it->is_regular_file() && ext == ".ttf") out.push_back(it->path());
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

struct ReaderRun {
    double seconds = 0;
    size_t read = 0, named = 0;
};

ReaderRun RunReader(const std::vector<std::string>& paths) {
    ReaderRun run;
    auto start = Clock::now();
    for (const std::string& path : paths) {
        FontItem item;
        item.m_strFilePath = path;
        item.m_nType = FT_TRUETYPE;
        if (item.EnsureTrueTypeInfo()) ++run.read;
        if (!item.m_strFullName.empty()) ++run.named;
    }
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return run;
}

struct ScanRun {
    double seconds = 0;
    size_t files = 0;
};

ScanRun RunFcScan(const std::string& folder, const std::string& listing) {
    ScanRun run;
    const std::string cmd = "fc-scan --format '%{file}\\n' '" + folder + "' > '" + listing + "'";
    auto start = Clock::now();
    int status = std::system(cmd.c_str());
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (status != 0) return {};
    std::ifstream in(listing);
    std::string line;
    while (std::getline(in, line)) ++run.files;
    return run;
}

} // namespace

int main(int argc, char** argv) {
    const size_t minimum = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 3000;
    const std::vector<fs::path> sources = SourceFonts();
    if (sources.empty()) {
        std::fprintf(stderr,
                     "bench_readers: no TrueType files (apt-get install fonts-noto-core fonts-dejavu-core "
                     "fonts-liberation)\n");
        return 1;
    }
    if (std::system("command -v fc-scan > /dev/null") != 0) {
        std::fprintf(stderr, "bench_readers: fc-scan is missing (apt-get install fontconfig)\n");
        return 1;
    }

    std::string scratch = (fs::temp_directory_path() / "typestow-bench-XXXXXX").string();
    if (!::mkdtemp(scratch.data())) return 1;
    const std::string fonts = scratch + "/fonts";
    fs::create_directories(fonts);

    // Copies under new names until the folder holds enough files.
    const size_t rounds = (minimum + sources.size() - 1) / sources.size();
    std::vector<std::string> names;
    for (size_t r = 0; r < rounds; ++r)
        for (const fs::path& src : sources) {
            std::string name = src.stem().string() + "-" + std::to_string(r) + ".ttf";
            fs::copy_file(src, fonts + "/" + name);
            names.push_back(name);
        }

    // The folder is the image's drive H:, so the reader goes through the program's own path mapping.
    platform::ImageOptions options;
    options.homeDrive = fonts;
    std::string error;
    if (!platform::CreateImage(scratch + "/image", options, &error) ||
        !platform::OpenImage(scratch + "/image")) {
        std::fprintf(stderr, "bench_readers: cannot create an image: %s\n", error.c_str());
        return 1;
    }
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back("H:\\" + name);

    std::printf("%zu TrueType files (%zu originals, %zu copies each) in %s\n", paths.size(), sources.size(),
                rounds, fonts.c_str());
    const std::string listing = scratch + "/fc-scan.txt";
    RunReader(paths);
    RunFcScan(fonts, listing);

    ReaderRun reader;
    ScanRun scan;
    for (int i = 0; i < 3; ++i) {
        ReaderRun r = RunReader(paths);
        if (i == 0 || r.seconds < reader.seconds) reader = r;
        ScanRun s = RunFcScan(fonts, listing);
        if (i == 0 || s.seconds < scan.seconds) scan = s;
    }

    const double readerRate = reader.read / reader.seconds;
    const double scanRate = scan.files / scan.seconds;
    std::printf("EnsureTrueTypeInfo: %zu files read, %zu with a full name, %.3f s, %.0f files/s\n",
                reader.read, reader.named, reader.seconds, readerRate);
    std::printf("fc-scan:            %zu files scanned, %.3f s, %.0f files/s\n", scan.files, scan.seconds,
                scanRate);
    const double ratio = scanRate > 0 ? readerRate / scanRate : 0;
    std::printf("ratio: %.1fx fc-scan (target 8x: %s)\n", ratio, ratio >= 8 ? "met" : "NOT met");

    std::error_code ec;
    fs::remove_all(scratch, ec);
    return reader.read == paths.size() ? 0 : 1;
}
