#include "platform/hostfs.h"
#include "platform/profile.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

const std::string kIni = "C:\\WINDOWS\\TEST.INI";

TEST(Profile, ReadsWithWindowsSemantics) {
    TestImage image;
    image.WriteFile(kIni,
                    "; comment\r\n[Fonts]\r\n  Arial  =  arial.ttf  \r\nquoted=\"a b\"\r\nsingle='x'\r\n"
                    "semi=a;b\r\ndup=first\r\ndup=second\r\nnoequals\r\n[ Other ]\r\nkey=other\r\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"fonts", "ARIAL", "arial.ttf"}, {" Fonts ", " Arial ", "arial.ttf"},
        {"Fonts", "quoted", "a b"},      {"Fonts", "single", "x"},
        {"Fonts", "semi", "a;b"},        {"Fonts", "dup", "first"},
        {"other", "key", "other"},       {"Fonts", "missing", "def"},
        {"Missing", "key", "def"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(profile::GetString(kIni, c.section, c.key, "def  "), c.expected)
            << c.section << "/" << c.key;
    }
}

TEST(Profile, BufferSizeLimitsTheCopy) {
    TestImage image;
    image.WriteFile(kIni, "[s]\r\nk=val1\r\n");
    struct Case {
        unsigned size;
        const char* text;
        unsigned count;
    } cases[] = {{4, "val", 3}, {5, "val1", 4}, {1, "", 0}, {260, "val1", 4}};
    for (const auto& c : cases) {
        std::string out;
        EXPECT_EQ(profile::GetString(kIni, "s", "k", "", out, c.size), c.count);
        EXPECT_EQ(out, c.text);
    }
}

TEST(Profile, IntegersStopAtTheFirstNonDigit) {
    TestImage image;
    image.WriteFile(kIni, "[s]\r\na=42A9\r\nb=B42\r\nc=\r\nd= -7\r\ne=4294967297\r\n");
    EXPECT_EQ(profile::GetInt(kIni, "s", "a", 5), 42u);
    EXPECT_EQ(profile::GetInt(kIni, "s", "b", 5), 0u);
    EXPECT_EQ(profile::GetInt(kIni, "s", "c", 5), 5u);
    EXPECT_EQ(static_cast<int>(profile::GetInt(kIni, "s", "d", 5)), -7);
    EXPECT_EQ(profile::GetInt(kIni, "s", "e", 5), 1u);
    EXPECT_EQ(profile::GetInt(kIni, "s", "missing", 9), 9u);
}

TEST(Profile, WritesCreateDeleteAndKeepWhatTheyDoNotTouch) {
    TestImage image;
    image.WriteFile(kIni, "; keep me\r\n[Fonts]\r\nArial=arial.ttf\r\ngarbage line\r\n\r\n[Tail]\r\nx=1\r\n");
    EXPECT_TRUE(profile::Write(kIni, "fonts", std::string("ARIAL"), std::string("new.ttf")));
    EXPECT_TRUE(profile::Write(kIni, "Fonts", std::string("Courier"), std::string("")));
    EXPECT_TRUE(profile::Write(kIni, "New", std::string("k"), std::string("v")));
    EXPECT_TRUE(profile::Write(kIni, "Tail", std::string("x"), std::nullopt));
    EXPECT_TRUE(profile::Write(kIni, "Tail", std::string("absent"), std::nullopt));
    EXPECT_EQ(image.ReadFile(kIni),
              "; keep me\r\n[Fonts]\r\nArial=new.ttf\r\ngarbage line\r\nCourier=\r\n\r\n"
              "[Tail]\r\n\r\n[New]\r\nk=v\r\n");
    EXPECT_TRUE(profile::Write(kIni, "Fonts", std::nullopt, std::nullopt));
    EXPECT_EQ(profile::GetString(kIni, "Fonts", "Arial", "gone"), "gone");
    EXPECT_EQ(profile::GetString(kIni, "New", "k"), "v");
}

TEST(Profile, RelativeNamesLiveInTheWindowsFolderAndFilesAreCreated) {
    TestImage image;
    EXPECT_TRUE(profile::Write("NEW.INI", "S", std::string("k"), std::string("v")));
    EXPECT_EQ(image.ReadFile("C:\\WINDOWS\\NEW.INI"), "[S]\r\nk=v\r\n");
    EXPECT_EQ(profile::GetString("new.ini", "s", "K"), "v");
    // The folder must exist.
    EXPECT_FALSE(profile::Write("C:\\NOWHERE\\X.INI", "S", std::string("k"), std::string("v")));
}

TEST(Profile, ReadOnlyFileIsNotWrittenEvenAsRoot) {
    TestImage image;
    image.WriteFile(kIni, "[s]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(image.Host(kIni).c_str(), 0444), 0);
    EXPECT_FALSE(profile::Write(kIni, "s", std::string("k"), std::string("2")));
    EXPECT_EQ(profile::GetString(kIni, "s", "k"), "1");
}

TEST(Profile, TwoProcessesWritingAtOnceLoseNothing) {
    TestImage image;
    image.WriteFile(kIni, "");
    constexpr int kWrites = 40;
    pid_t child = ::fork();
    if (child == 0) {
        for (int i = 0; i < kWrites; ++i)
            profile::Write(kIni, "child", "k" + std::to_string(i), std::string("c"));
        ::_exit(0);
    }
    for (int i = 0; i < kWrites; ++i)
        profile::Write(kIni, "parent", "k" + std::to_string(i), std::string("p"));
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(profile::Entries(kIni, "child").size(), size_t(kWrites));
    EXPECT_EQ(profile::Entries(kIni, "parent").size(), size_t(kWrites));
}

} // namespace
