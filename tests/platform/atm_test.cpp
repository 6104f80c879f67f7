#include "platform/atm.h"

#include "platform/hostfs.h"
#include "platform/image.h"
#include "platform/profile.h"
#include "platform/session.h"
#include "platform/systemtool.h"
#include "platform/type1store.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>

using namespace platform;
using namespace platform::atm;

namespace {

std::string MakePfm(const std::string& postScriptName) {
    std::string pfm(200, '\0');
    uint32_t offset = 150;
    std::memcpy(&pfm[139], &offset, 4);
    std::memcpy(&pfm[offset], postScriptName.c_str(), std::min<size_t>(postScriptName.size(), 40));
    return pfm;
}

std::string LibraryHost(const TestImage& image) {
    return image.Host(CurrentImage().SystemDir() + "\\ATM32T.DLL");
}

std::string StatusLine() {
    ::testing::internal::CaptureStdout();
    RunSystemTool(CurrentImage().Root(), {"status"});
    std::string out = ::testing::internal::GetCapturedStdout();
    size_t at = out.find("Type 1 service: ");
    if (at == std::string::npos) return {};
    return out.substr(at, out.find('\n', at) - at);
}

// A shared library of the host that exports no look-up function.
std::string SomeOtherLibrary() {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        size_t slash = line.find('/');
        if (slash != std::string::npos && line.find("libfreetype") != std::string::npos)
            return line.substr(slash);
    }
    return {};
}

struct Enumerated {
    std::string face, postScriptName, metricsPath;
    int32_t weight;
    uint8_t italic;
};

int Collect(const LOGFONTA* lf, const char* ps, const void*, intptr_t data) {
    auto* out = reinterpret_cast<std::vector<Enumerated>*>(data);
    uint16_t style = (lf->lfWeight > 500 ? 2 : 0) + (lf->lfItalic ? 1 : 0);
    // The catalog asks for the files from inside the callback.
    out->push_back(
        Enumerated{lf->lfFaceName, ps, FontMetricsPath(lf->lfFaceName, style), lf->lfWeight, lf->lfItalic});
    return 1;
}

std::vector<Enumerated> EnumerateAll() {
    std::vector<Enumerated> out;
    ATMEnumFonts32(kAtmClient, &Collect, reinterpret_cast<intptr_t>(&out));
    return out;
}

} // namespace

TEST(Type1Service, StatesFollowTheLibraryAndTheRunningFlag) {
    TestImage image;
    ASSERT_TRUE(host::Exists(LibraryHost(image))) << "the new image has the library in its system folder";
    EXPECT_EQ(QueryServiceState(), ServiceState::kRunning);
    EXPECT_EQ(Bind(), 1);
    EXPECT_TRUE(IsUp());
    EXPECT_EQ(StatusLine(), "Type 1 service: running");

    ASSERT_TRUE(CurrentImage().SetServiceFlag("ATM", false));
    EXPECT_EQ(QueryServiceState(), ServiceState::kNotRunning);
    EXPECT_EQ(Bind(), 0);
    EXPECT_FALSE(IsUp());
    EXPECT_EQ(StatusLine(), "Type 1 service: not running");
    // Nothing is bound: every wrapper answers -6 and nothing is recorded.
    EXPECT_EQ(ATMBeginFontChange16(), kAtmUnboundDown);
    EXPECT_EQ(AddFontBracketed("Alpha", 0, "C:\\A.PFM", "C:\\A.pfb"), kAtmUnboundDown);
    EXPECT_EQ(ATMGetFontPaths16(kAtmClient, nullptr, nullptr), kAtmUnboundDown);
    EXPECT_TRUE(ActiveType1Fonts().empty());

    ASSERT_TRUE(CurrentImage().SetServiceFlag("ATM", true));
    // The library stays loaded, but a refresh finds its file gone: the service is missing.
    ASSERT_TRUE(std::remove(LibraryHost(image).c_str()) == 0);
    EXPECT_EQ(QueryServiceState(), ServiceState::kMissing);
    EXPECT_EQ(Bind(), 0);
    EXPECT_EQ(StatusLine(), "Type 1 service: missing");
    EXPECT_EQ(ATMRemoveFont16(kAtmClient, "Alpha", 0), kAtmUnboundDown);
}

TEST(Type1Service, LibraryThatIsNotOneCountsAsMissing) {
    const std::string other = SomeOtherLibrary();
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"not a library at all", "MZ this is no library"},
        {"a library without the look-up function", other.empty() ? std::string() : *host::ReadFile(other)},
    };
    for (const auto& c : cases) {
        if (c.bytes.empty()) continue;
        TestImage image;
        ASSERT_TRUE(host::WriteFileAtomic(LibraryHost(image), c.bytes));
        EXPECT_EQ(QueryServiceState(), ServiceState::kMissing) << c.what;
        EXPECT_EQ(Bind(), 0) << c.what;
        EXPECT_EQ(ATMEndFontChange16(), kAtmUnboundDown) << c.what;
    }
}

TEST(Type1Service, AddsEnumeratesAnswersPathsAndRemoves) {
    TestImage image;
    ASSERT_EQ(Bind(), 1);
    for (const char* name : {"ATMBeginFontChange16", "ATMEndFontChange16", "ATMAddFont16", "ATMRemoveFont16",
                             "_ATMEnumFonts32@12", "ATMGetFontPaths16"})
        EXPECT_TRUE(IsBound(name)) << name;

    image.WriteFile("D:\\FONTS\\HELVB.PFM", MakePfm("Helvetica-Bold"));
    image.WriteFile("D:\\FONTS\\GARAI.PFM", MakePfm("Garamond-Italic"));
    EXPECT_EQ(AddFontBracketed("Helvetica", 2, "D:\\FONTS\\HELVB.PFM", "D:\\FONTS\\HELVB.pfb"), kAtmOk);
    EXPECT_EQ(AddFontBracketed("Garamond", 1 + kAtmPermanent, "D:\\FONTS\\GARAI.PFM", "D:\\FONTS\\GARAI.pfb"),
              kAtmOk);
    // A font whose metrics file is missing is refused; a bad client constant too.
    EXPECT_EQ(AddFontBracketed("Ghost", 0, "D:\\FONTS\\NONE.PFM", "D:\\FONTS\\NONE.pfb"), kAtmCannotRead);
    EXPECT_EQ(ATMAddFont16(4, "Helvetica", 0, "D:\\FONTS\\HELVB.PFM", "", 0), kAtmBadArgument);

    std::vector<Enumerated> fonts = EnumerateAll();
    ASSERT_EQ(fonts.size(), 2u);
    EXPECT_EQ(fonts[0].face, "Helvetica");
    EXPECT_EQ(fonts[0].postScriptName, "Helvetica-Bold");
    EXPECT_EQ(fonts[0].weight, 700);
    EXPECT_EQ(fonts[0].italic, 0);
    EXPECT_EQ(fonts[0].metricsPath, "D:\\FONTS\\HELVB.PFM");
    EXPECT_EQ(fonts[1].face, "Garamond");
    EXPECT_EQ(fonts[1].weight, 400);
    EXPECT_NE(fonts[1].italic, 0);
    EXPECT_EQ(fonts[1].metricsPath, "D:\\FONTS\\GARAI.PFM");
    std::vector<Type1Record> records = ActiveType1Fonts();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_FALSE(records[0].permanent);
    EXPECT_TRUE(records[1].permanent);
    EXPECT_EQ(records[1].style, 1);

    // Another style of the same menu name is another font.
    EXPECT_EQ(FontMetricsPath("Helvetica", 0), "");
    EXPECT_EQ(RemoveFontBracketed("Helvetica", 0), kAtmNoSuchFont);
    EXPECT_EQ(RemoveFontBracketed("HELVETICA", 2), kAtmOk);
    EXPECT_EQ(RemoveFontBracketed("Helvetica", 2), kAtmNoSuchFont);
    ASSERT_EQ(EnumerateAll().size(), 1u);
}

TEST(Type1Service, PathQueryLayout) {
    TestImage image;
    const std::string longName = "An Extraordinarily Long Menu Name For A Font";
    image.WriteFile("C:\\PSFONTS\\LONG.PFM", MakePfm("LongName-Regular"));
    ASSERT_EQ(AddFontBracketed(longName, 0, "C:\\PSFONTS\\LONG.PFM", "C:\\PSFONTS\\LONG.pfb"), kAtmOk);

    // 32 bytes of menu name, then the 16-bit style code: the query is made as the catalog makes it.
    uint8_t raw[34] = {};
    std::memcpy(raw, longName.c_str(), 31);
    raw[32] = 0; // style 0, little-endian
    uint8_t reply[kAtmReplySize];
    std::memset(reply, 0xAB, sizeof reply);
    ASSERT_EQ(ATMGetFontPaths16(kAtmClient, reinterpret_cast<const AtmFontQuery*>(raw), reply), kAtmOk);
    EXPECT_STREQ(reinterpret_cast<const char*>(reply + 48), "C:\\PSFONTS\\LONG.PFM");
    EXPECT_STREQ(reinterpret_cast<const char*>(reply), "LongName-Regular");
    for (size_t i = 48 + std::strlen("C:\\PSFONTS\\LONG.PFM"); i < kAtmReplySize; ++i)
        ASSERT_EQ(reply[i], 0) << i;

    // A metrics path that does not fit the reply is left out rather than cut.
    std::string dir = "C:\\" + std::string(70, 'd') + "\\" + std::string(70, 'e');
    image.WriteFile(dir + "\\F.PFM", MakePfm("Far"));
    ASSERT_EQ(AddFontBracketed("Far", 3, dir + "\\F.PFM", dir + "\\F.pfb"), kAtmOk);
    EXPECT_EQ(FontMetricsPath("Far", 3), "");
    EXPECT_EQ(FontMetricsPath("Nobody", 0), "");
}

TEST(Type1Service, ActiveFontsAreGoneAfterRestartExceptAtmIni) {
    TestImage image;
    image.WriteFile("C:\\PSFONTS\\A.PFM", MakePfm("Alpha-Bold"));
    image.WriteFile("C:\\PSFONTS\\B.PFM", MakePfm("Beta"));
    ASSERT_TRUE(profile::Write("ATM.INI", "Fonts", std::string("Alpha,BOLD"),
                               std::string("C:\\PSFONTS\\A.PFM,C:\\PSFONTS\\A.pfb")));
    ASSERT_TRUE(RestartSession());
    ASSERT_EQ(AddFontBracketed("Beta", 0, "C:\\PSFONTS\\B.PFM", "C:\\PSFONTS\\B.pfb"), kAtmOk);
    ASSERT_EQ(EnumerateAll().size(), 2u);
    ASSERT_TRUE(RestartSession());
    std::vector<Enumerated> fonts = EnumerateAll();
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts[0].face, "Alpha");
    EXPECT_EQ(fonts[0].weight, 700);
    EXPECT_EQ(fonts[0].postScriptName, "Alpha-Bold");
}
