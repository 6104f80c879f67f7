// The Source folder scan over a folder of real TrueType files, against fc-scan on the same folder in
// the same run. The files are copied at run time from Debian's Noto, DejaVu and Liberation packages,
// repeated under new names until the folder holds the count asked for.
//
//   bench_scan [FILES...]   (default: 3000 10000)
#include "app/WFontMgrApp.h"
#include "install/scan.h"
#include "platform/image.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class SilentUi : public platform::UiPort {
public:
    int MessageBox(platform::WindowHandle, const std::string&, const std::string&, unsigned) override {
        return platform::kIdOk;
    }
};

std::vector<fs::path> SourceFonts() {
    std::vector<fs::path> files;
    for (const char* dir : {"/usr/share/fonts/truetype/noto", "/usr/share/fonts/truetype/dejavu",
                            "/usr/share/fonts/truetype/liberation"}) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(dir, ec)) {
            std::string ext = entry.path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
            if (entry.is_regular_file() && ext == ".ttf") files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Fills the folder with `count` copies, cycling through the sources.
bool MakeCorpus(const fs::path& folder, const std::vector<fs::path>& sources, size_t count) {
    fs::create_directories(folder);
    for (size_t i = 0; i < count; ++i) {
        const fs::path& from = sources[i % sources.size()];
        char prefix[32];
        std::snprintf(prefix, sizeof prefix, "f%05zu_", i);
        std::error_code ec;
        fs::copy_file(from, folder / (prefix + from.filename().string()), ec);
        if (ec) return false;
    }
    return true;
}

template <typename F> double BestSeconds(int runs, F f) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        auto t0 = std::chrono::steady_clock::now();
        f();
        double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        best = std::min(best, s);
    }
    return best;
}

int RunFcScan(const fs::path& folder) {
    std::string cmd = "fc-scan --format '%{file}\\n' '" + folder.string() + "' > /dev/null 2>&1";
    return std::system(cmd.c_str());
}

} // namespace

int main(int argc, char** argv) {
    std::vector<size_t> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(std::strtoul(argv[i], nullptr, 10));
    if (counts.empty()) counts = {3000, 10000};

    const std::vector<fs::path> sources = SourceFonts();
    if (sources.empty()) {
        std::fputs("bench_scan: no TrueType files under /usr/share/fonts/truetype (install fonts-noto-core, "
                   "fonts-dejavu-core, fonts-liberation)\n",
                   stderr);
        return 1;
    }
    if (RunFcScan(fs::temp_directory_path()) != 0) {
        std::fputs("bench_scan: fc-scan is not available (install fontconfig)\n", stderr);
        return 1;
    }
    std::string scratchTemplate = (fs::temp_directory_path() / "typestow-bench-scan-XXXXXX").string();
    if (!::mkdtemp(scratchTemplate.data())) return 1;
    const fs::path scratch = scratchTemplate;

    std::printf("%-8s %14s %14s %8s\n", "files", "scan files/s", "fc-scan files/s", "ratio");
    int status = 0;
    for (size_t count : counts) {
        const fs::path corpus = scratch / ("corpus" + std::to_string(count));
        const fs::path root = scratch / ("image" + std::to_string(count));
        if (!MakeCorpus(corpus, sources, count)) {
            std::fprintf(stderr, "bench_scan: cannot copy the fonts into %s\n", corpus.c_str());
            status = 1;
            break;
        }
        platform::ImageOptions options;
        options.homeDrive = corpus.string(); // the folder is drive H:
        std::string error;
        if (!platform::CreateImage(root.string(), options, &error) || !platform::OpenImage(root.string())) {
            std::fprintf(stderr, "bench_scan: %s\n", error.c_str());
            status = 1;
            break;
        }

        SilentUi ui;
        WFontMgrApp app(ui);
        app.m_sourceList = std::make_unique<FontList>();
        size_t listed = 0;
        auto scan = [&] {
            ScanSourceFolder("H:\\");
            listed = app.m_sourceList->GetCount();
        };
        auto fcScan = [&] { RunFcScan(corpus); };
        scan(); // warm the page cache for both
        fcScan();
        const double scanSeconds = BestSeconds(3, scan);
        const double fcSeconds = BestSeconds(3, fcScan);
        if (listed != count) std::fprintf(stderr, "bench_scan: listed %zu of %zu files\n", listed, count);
        const double scanRate = count / scanSeconds, fcRate = count / fcSeconds;
        std::printf("%-8zu %14.0f %14.0f %7.1fx\n", count, scanRate, fcRate, scanRate / fcRate);
        std::fflush(stdout);
        app.m_sourceList->RemoveAll();
        std::error_code ec;
        fs::remove_all(corpus, ec);
    }
    std::error_code ec;
    fs::remove_all(scratch, ec);
    return status;
}
