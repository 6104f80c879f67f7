#include "platform/files.h"
#include "platform/image.h"
#include "platform/progman.h"
#include "platform/shelllink.h"
#include "tests/support/TestImage.h"

#include <cstdio>
#include <gtest/gtest.h>

using namespace platform;

namespace {

ShellLink SansLink() {
    ShellLink link;
    link.target = "C:\\KELVRA\\TYPESTOW\\Sans.FGP";
    link.arguments = "/Q";
    link.workingFolder = "C:\\KELVRA\\TYPESTOW";
    link.description = "Shortcut toSans";
    link.targetSize = 1234;
    return link;
}

TEST(ShellLink, LayoutOfTheHeaderAndStrings) {
    const std::string bytes = EncodeShellLink(SansLink());
    ASSERT_GE(bytes.size(), 0x4Cu);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x4C\0\0\0", 4));
    EXPECT_EQ(bytes.substr(4, 16), std::string("\x01\x14\x02\0\0\0\0\0\xC0\0\0\0\0\0\0\x46", 16));
    EXPECT_EQ(static_cast<uint8_t>(bytes[0x14]), 0x02 | 0x04 | 0x10 | 0x20);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string(4, '\0'));
    // Description, working folder and arguments as counted ANSI strings, in that order.
    const std::string tail = std::string("\x0F\0", 2) + "Shortcut toSans" + std::string("\x12\0", 2) +
                             "C:\\KELVRA\\TYPESTOW" + std::string("\x02\0", 2) + "/Q" + std::string(4, '\0');
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
}

TEST(ShellLink, RoundTripAndDamagedInput) {
    const ShellLink link = SansLink();
    const std::string bytes = EncodeShellLink(link);
    auto back = DecodeShellLink(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->target, link.target);
    EXPECT_EQ(back->arguments, link.arguments);
    EXPECT_EQ(back->workingFolder, link.workingFolder);
    EXPECT_EQ(back->description, link.description);
    EXPECT_EQ(back->targetSize, 1234u);
    for (size_t cut : {size_t(0), size_t(10), size_t(0x4C), size_t(0x50), bytes.size() - 10})
        EXPECT_FALSE(DecodeShellLink(bytes.substr(0, cut))) << cut;
    std::string wrongSize = bytes;
    wrongSize[0x4C] = '\x7F'; // link info larger than the file
    wrongSize[0x4D] = '\x7F';
    EXPECT_FALSE(DecodeShellLink(wrongSize));
}

TEST(ShellLink, ReadableByTheDebianLinkTool) {
    if (std::system("command -v lnkinfo >/dev/null 2>&1") != 0) GTEST_SKIP() << "lnkinfo not installed";
    TestImage image;
    ASSERT_TRUE(WriteShellLink("C:\\WINDOWS\\Desktop\\Sans.LNK", SansLink()));
    const std::string cmd = "lnkinfo '" + image.Host("C:\\WINDOWS\\Desktop\\Sans.LNK") + "' 2>&1";
    std::string out;
    if (FILE* p = ::popen(cmd.c_str(), "r")) {
        char buf[512];
        while (std::fgets(buf, sizeof buf, p)) out += buf;
        ::pclose(p);
    }
    EXPECT_NE(out.find("C:\\KELVRA\\TYPESTOW\\Sans.FGP"), std::string::npos) << out;
    EXPECT_NE(out.find("Shortcut toSans"), std::string::npos) << out;
    EXPECT_NE(out.find("/Q"), std::string::npos) << out;
}

TEST(DropFiles, BlockLayoutAndParse) {
    const std::string block = MakeDropFiles(42, 77, true, {"\"C:\\A.FGP\"  /T"});
    EXPECT_EQ(block.substr(0, 20), std::string("\x14\0\0\0\x2A\0\0\0\x4D\0\0\0\x01\0\0\0\0\0\0\0", 20));
    EXPECT_EQ(block.substr(20), std::string("\"C:\\A.FGP\"  /T\0\0", 16));
    EXPECT_EQ(ParseDropFiles(block), std::vector<std::string>{"\"C:\\A.FGP\"  /T"});
    EXPECT_TRUE(ParseDropFiles("short").empty());
    EXPECT_EQ(ParseDropFiles(block.substr(0, block.size() - 3)).size(), 0u); // unterminated name
}

TEST(ProgramManager, NtImageStartsWithStartupFirstAndTakesDrops) {
    TestImage image(true);
    ASSERT_TRUE(progman::IsRunning());
    auto groups = progman::Groups();
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].title, "Startup");
    EXPECT_TRUE(groups[2].iconic);
    ASSERT_TRUE(progman::PostDropFiles(1, MakeDropFiles(0, 0, true, {"one", "two"})));
    groups = progman::Groups();
    EXPECT_EQ(groups[1].items, (std::vector<std::string>{"one", "two"}));
    EXPECT_FALSE(progman::PostDropFiles(9, MakeDropFiles(0, 0, true, {"x"})));
    ASSERT_TRUE(CurrentImage().SetServiceFlag("ProgramManager", false));
    EXPECT_FALSE(progman::IsRunning());
    EXPECT_TRUE(progman::Groups().empty());
}

TEST(ProgramManager, NotOnAWindows95Image) {
    TestImage image;
    EXPECT_FALSE(progman::IsRunning());
}

} // namespace
