// The group job: the command line, and the install of a group file's fonts without the main window.
#include "app/GroupJob.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char* what;
    std::string line;
    std::string file;
    int mode;
};

TEST(ParseCommandLine, Cases) {
    const ParseCase cases[] = {
        {"unquoted path with blanks, then /P", "C:\\My Fonts\\Sans.FGP /P", "C:\\My Fonts\\Sans.FGP", 1},
        {"switch before a dotted path is swallowed", "/T C:\\Groups\\Sans.FGP", "/T C:\\Groups\\Sans.FGP", 0},
        {"lower-case switch", "\"C:\\Groups\\Sans.FGP\" /p", "C:\\Groups\\Sans.FGP", 1},
        {"one token", "C:\\Groups\\Sans.FGP", "C:\\Groups\\Sans.FGP", 0},
        {"quoted path, two blanks, /T", "\"C:\\My Fonts\\Sans.FGP\"  /T", "C:\\My Fonts\\Sans.FGP", 2},
        {"any other letter asks", "\"C:\\My Fonts\\Sans.FGP\" /Q", "C:\\My Fonts\\Sans.FGP", 3},
        {"a bare slash asks", "C:\\Sans.FGP /", "C:\\Sans.FGP", 3},
        {"switch first without a period", "/P \"C:\\Groups\\Sans\"", "C:\\Groups\\Sans", 1},
        {"empty line", "", "", 2},
        {"leading blanks", "  C:\\Sans.FGP /T", "C:\\Sans.FGP", 2},
        {"long path cut to 259", "C:\\" + std::string(300, 'a') + ".FGP /P",
         ("C:\\" + std::string(300, 'a')).substr(0, 259), 1},
    };
    for (const auto& c : cases) {
        GroupJob job = ParseCommandLine(c.line);
        EXPECT_EQ(std::string(job.m_szFile), c.file) << c.what;
        EXPECT_EQ(job.m_nMode, c.mode) << c.what;
        ASSERT_TRUE(job.m_pGroup) << c.what;
        EXPECT_EQ(job.m_pGroup->m_pFonts->GetCount(), 0u) << c.what;
    }
}

} // namespace
