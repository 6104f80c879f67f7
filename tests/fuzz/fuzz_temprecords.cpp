// libFuzzer target: "FGP_Temp.tmp" with arbitrary content, through the record parser and the three
// catalog operations on a scratch system image made once per process.
#include "app/WFontMgrApp.h"
#include "app/folders.h"
#include "fontdata/TempRecords.h"
#include "platform/files.h"
#include "platform/image.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

struct Scratch {
    platform::ConsoleUi ui;
    std::unique_ptr<WFontMgrApp> app;
    std::string folder;
    Scratch() {
        folder = (std::filesystem::temp_directory_path() / "typestow-fuzz-XXXXXX").string();
        if (!::mkdtemp(folder.data())) std::abort();
        const std::string root = folder + "/image";
        if (!platform::CreateImage(root, {}) || !platform::OpenImage(root)) std::abort();
        app = std::make_unique<WFontMgrApp>(ui);
        app->m_tempList = std::make_unique<FontList>();
        auto font = std::make_unique<FontItem>();
        font->m_strFullName = "Alpha";
        app->m_tempList->AddTail(std::move(font));
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Scratch scratch;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    auto records = ParseTempInstallRecords(bytes);
    if (records.size() != size / kTempRecordSize) std::abort();
    for (const TempInstallRecord& r : records) {
        if (r.name.size() > kTempRecordField || r.path.size() > kTempRecordField) std::abort();
        if (MakeTempInstallRecord(r.name, r.path).size() != kTempRecordSize) std::abort();
    }

    WFontMgrApp& app = *scratch.app;
    const std::string file = TempRecordFilePath();
    if (!platform::WriteWholeFile(file, bytes)) std::abort();
    FontItem probe;
    probe.m_strFullName = records.empty() ? std::string("Alpha") : records.front().name;
    app.LookupTempInstallRecord(probe);
    if (probe.m_strOriginalPath.size() > kTempRecordField) std::abort();
    app.RecordTempInstall(probe);
    app.PruneTempInstallRecords();
    if (platform::ReadWholeFile(file).value_or("x").size() % kTempRecordSize != 0) std::abort();
    return 0;
}
