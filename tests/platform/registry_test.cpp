#include "platform/hostfs.h"
#include "platform/image.h"
#include "platform/registry.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

const std::string kFonts = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts";

TEST(Registry, RoundTripWithCaseInsensitiveNames) {
    TestImage image;
    ASSERT_EQ(reg::SetString(kFonts, "Arial (TrueType)", "ARIAL.TTF"), kRegOk);
    ASSERT_EQ(reg::SetString(kFonts, "Odd \"name\" \\ x", "C:\\A\\\"q\".TTF"), kRegOk);
    ASSERT_EQ(reg::SetDword("software\\test", "Count", 300), kRegOk);
    std::string out;
    EXPECT_EQ(reg::QueryString("HKEY_LOCAL_MACHINE\\" + kFonts, "ARIAL (truetype)", out), kRegOk);
    EXPECT_EQ(out, "ARIAL.TTF");
    EXPECT_EQ(reg::QueryString(kFonts, "odd \"NAME\" \\ x", out), kRegOk);
    EXPECT_EQ(out, "C:\\A\\\"q\".TTF");
    RegValue v;
    EXPECT_EQ(reg::QueryValue("SOFTWARE\\TEST", "count", v), kRegOk);
    EXPECT_EQ(v.type, kRegDword);
    EXPECT_EQ(v.dword, 300u);
    EXPECT_EQ(reg::QueryString(kFonts, "missing", out), kRegNotFound);
    EXPECT_EQ(reg::DeleteValue(kFonts, "arial (TRUETYPE)"), kRegOk);
    EXPECT_EQ(reg::QueryString(kFonts, "Arial (TrueType)", out), kRegNotFound);
    EXPECT_EQ(reg::DeleteValue(kFonts, "Arial (TrueType)"), kRegNotFound);
    EXPECT_TRUE(reg::KeyExists("software\\microsoft"));
}

TEST(Registry, ValueThatDoesNotFitTheBufferIsMoreData) {
    TestImage image;
    const std::string fits(127, 'a'), tooLong(128, 'b');
    reg::SetString(kFonts, "fits", fits);
    reg::SetString(kFonts, "long", tooLong);
    std::string out;
    size_t needed = 0;
    EXPECT_EQ(reg::QueryString(kFonts, "fits", out, 128, &needed), kRegOk);
    EXPECT_EQ(needed, 128u);
    EXPECT_EQ(reg::QueryString(kFonts, "long", out, 128, &needed), kRegMoreData);
    EXPECT_EQ(needed, 129u);
}

TEST(Registry, DamagedLinesAreKeptWhenTheFileIsWrittenAgain) {
    TestImage image;
    image.WriteFile("C:\\x", "");
    std::string text =
        "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\r\n\"good\"=\"1\"\r\nthis is not a value\r\n"
        "\"bin\"=hex:01,02,\\\r\n  "
        "03\r\n\"broken\"=dword:12\r\n\r\n[HKEY_CURRENT_USER\\X]\r\n\"u\"=\"2\"\r\n";
    ASSERT_TRUE(platform::host::WriteFileAtomic(CurrentImage().RegistryPath(), text));
    std::string out;
    EXPECT_EQ(reg::QueryString("SOFTWARE\\A", "good", out), kRegOk);
    RegValue bin;
    EXPECT_EQ(reg::QueryValue("SOFTWARE\\A", "bin", bin), kRegOk);
    EXPECT_EQ(bin.data, std::string("\x01\x02\x03"));
    EXPECT_EQ(reg::QueryString("SOFTWARE\\A", "broken", out), kRegNotFound);
    ASSERT_EQ(reg::SetString("SOFTWARE\\A", "new", "3"), kRegOk);
    auto bytes = image.ReadFile("C:\\x"); // the image is still usable
    std::string after = *platform::host::ReadFile(CurrentImage().RegistryPath());
    EXPECT_NE(after.find("this is not a value\r\n"), std::string::npos);
    EXPECT_NE(after.find("\"broken\"=dword:12\r\n"), std::string::npos);
    EXPECT_NE(after.find("[HKEY_CURRENT_USER\\X]\r\n\"u\"=\"2\"\r\n"), std::string::npos);
    EXPECT_NE(after.find("\"new\"=\"3\""), std::string::npos);
}

TEST(Registry, EnumeratesValuesAndSubkeys) {
    TestImage image;
    reg::SetString("SOFTWARE\\E\\One", "a", "1");
    reg::SetString("SOFTWARE\\E\\Two\\Deep", "b", "2");
    reg::SetString("SOFTWARE\\E", "x", "0");
    auto subkeys = reg::EnumSubkeys("software\\e");
    ASSERT_EQ(subkeys.size(), 2u);
    EXPECT_EQ(subkeys[0], "One");
    EXPECT_EQ(subkeys[1], "Two");
    EXPECT_EQ(reg::EnumValues("SOFTWARE\\E").size(), 1u);
    EXPECT_EQ(reg::DeleteKey("SOFTWARE\\E\\Two"), kRegOk);
    EXPECT_EQ(reg::EnumSubkeys("SOFTWARE\\E").size(), 1u);
}

TEST(Registry, TwoProcessesWritingAtOnceLoseNothing) {
    TestImage image;
    constexpr int kWrites = 40;
    pid_t child = ::fork();
    if (child == 0) {
        for (int i = 0; i < kWrites; ++i) reg::SetString("SOFTWARE\\Child", "v" + std::to_string(i), "c");
        ::_exit(0);
    }
    for (int i = 0; i < kWrites; ++i) reg::SetString("SOFTWARE\\Parent", "v" + std::to_string(i), "p");
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(reg::EnumValues("SOFTWARE\\Child").size(), size_t(kWrites));
    EXPECT_EQ(reg::EnumValues("SOFTWARE\\Parent").size(), size_t(kWrites));
}

} // namespace
