// The Install Font Group dialog's rows and answers, and what AskAndInstall does with them.
#include "app/ConsoleAppUi.h"
#include "groups/InstallGroup.h"
#include "groups/InstallGroupModel.h"
#include "tests/support/InstallFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class InstallGroupDialogTest : public InstallFixture {
protected:
    InstallGroupDialogTest() {
        PutTrueType("C:\\SRC\\sans.ttf");
        PutTrueType("C:\\SRC\\bold.ttf", "DejaVuSans-Bold.ttf");
        PutTrueType("C:\\SRC\\oblique.ttf", "DejaVuSans-Oblique.ttf");
        // In file order; the dialog shows them as Alpha, beta, Gamma.
        group.m_pFonts->AddTail(TrueType("Gamma", "C:\\SRC\\sans.ttf"));
        group.m_pFonts->AddTail(TrueType("Alpha", "C:\\SRC\\bold.ttf"));
        group.m_pFonts->AddTail(TrueType("beta", "C:\\SRC\\oblique.ttf"));
    }
    int Run(InstallGroupButton button, std::vector<bool> selected) {
        ui.dialogAnswers.push_back(InstallGroupAnswer(button, InstallGroupRows(group), selected));
        GroupJob job;
        return AskAndInstall(job, &group);
    }
    int Active() const {
        return ActiveCount("C:\\SRC\\sans.ttf") + ActiveCount("C:\\SRC\\bold.ttf") +
               ActiveCount("C:\\SRC\\oblique.ttf");
    }
    FontGroup group;
};

TEST_F(InstallGroupDialogTest, RowsShowStateAndTypeSortedByName) {
    Add(*app->m_tempList, TrueType("Gamma", "C:\\ELSEWHERE\\g.ttf"));
    Add(*app->m_permList,
        TrueType("Gamma", "C:\\WINDOWS\\Fonts\\g.ttf")); // the temporary list is asked first
    Add(*app->m_permList, TrueType("Alpha", "C:\\WINDOWS\\Fonts\\a.ttf"));
    Add(*app->m_permList, TrueType("BETA", "C:\\WINDOWS\\Fonts\\b.ttf")); // names compare with case
    const auto rows = InstallGroupRows(group);
    ASSERT_EQ(rows.size(), 3u);
    const struct {
        std::string text;
        int state;
        size_t index;
    } expected[] = {{"Alpha [TTF]", 4, 1}, {"beta [TTF]", 2, 2}, {"Gamma [TTF]", 3, 0}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i].text, expected[i].text) << i;
        EXPECT_EQ(rows[i].state, expected[i].state) << i;
        EXPECT_EQ(rows[i].index, expected[i].index) << i;
    }

    auto type1 = Type1("Times", "bold", "C:\\PS\\TIB.PFM");
    EXPECT_EQ(InstallGroupRowText(*type1), "Times [ATM]");
    type1->m_nType = FT_OTHER;
    EXPECT_EQ(InstallGroupRowText(*type1), "Times [Unknown]");
}

TEST_F(InstallGroupDialogTest, EnterInstallsTheFirstRowTemporarily) {
    EXPECT_EQ(Run(InstallGroupButton::AddTemp, {true, false, false}), GJ_INSTALLED);
    ASSERT_EQ(app->m_tempList->GetCount(), 1u);
    EXPECT_EQ(app->m_tempList->GetAt(0)->m_strFullName, "Alpha");
    // Installed from its copy in the TempFont folder.
    EXPECT_EQ(ActiveCount(TempFontDir() + "\\bold.ttf"), 1);
    EXPECT_EQ(Active(), 0);
    EXPECT_TRUE(app->m_permList->IsEmpty());
}

TEST_F(InstallGroupDialogTest, AnswersOfTheButtons) {
    const struct {
        const char* what;
        InstallGroupButton button;
        std::vector<bool> selected;
        int result;
        int active;
        size_t perm;
    } cases[] = {
        {"Launch with fonts selected", InstallGroupButton::Launch, {true, true, true}, GJ_LAUNCH, 0, 0},
        {"Cancel", InstallGroupButton::Cancel, {true, false, false}, GJ_CANCELLED, 0, 0},
        {"Add Temp with nothing selected",
         InstallGroupButton::AddTemp,
         {false, false, false},
         GJ_INSTALLED,
         0,
         0},
        {"Select All, then Add Perm", InstallGroupButton::AddPerm, {true, true, true}, GJ_INSTALLED, 3, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.button, c.selected), c.result) << c.what;
        EXPECT_EQ(Active(), c.active) << c.what;
        EXPECT_EQ(app->m_permList->GetCount(), c.perm) << c.what;
        EXPECT_TRUE(app->m_tempList->IsEmpty()) << c.what;
    }
}

TEST_F(InstallGroupDialogTest, ChoiceNamesTheChosenFontsInTheDialogsOrder) {
    const auto rows = InstallGroupRows(group);
    auto choice = InstallGroupAnswer(InstallGroupButton::AddPerm, rows, {false, true, true});
    EXPECT_EQ(choice.result, platform::kIdOk);
    EXPECT_EQ(choice.installMode, 1);
    EXPECT_EQ(choice.selected, (std::vector<size_t>{2, 0}));
    choice = InstallGroupAnswer(InstallGroupButton::AddTemp, rows, {true});
    EXPECT_EQ(choice.installMode, 2);
    EXPECT_EQ(choice.selected, (std::vector<size_t>{1}));
    EXPECT_EQ(InstallGroupAnswer(InstallGroupButton::Launch, rows, {}).result, platform::kIdLaunch);
    EXPECT_EQ(InstallGroupAnswer(InstallGroupButton::Cancel, rows, {}).result, platform::kIdCancel);
}

TEST_F(InstallGroupDialogTest, ConsoleAnswersFromTheEnvironment) {
    const struct {
        const char* answer; // nullptr: unset
        int result;
        int mode;
        std::vector<size_t> selected;
    } cases[] = {
        {nullptr, platform::kIdOk, 2, {1}},     {"Perm:all", platform::kIdOk, 1, {1, 2, 0}},
        {"temp:none", platform::kIdOk, 2, {}},  {"Launch", platform::kIdLaunch, 2, {}},
        {"cancel", platform::kIdCancel, 2, {}},
    };
    for (const auto& c : cases) {
        if (c.answer)
            ::setenv("TYPESTOW_GROUP_DIALOG", c.answer, 1);
        else
            ::unsetenv("TYPESTOW_GROUP_DIALOG");
        ConsoleAppUi console;
        const auto choice = console.InstallGroupDialog(group);
        const char* what = c.answer ? c.answer : "(unset)";
        EXPECT_EQ(choice.result, c.result) << what;
        if (c.result == platform::kIdOk) {
            EXPECT_EQ(choice.installMode, c.mode) << what;
            EXPECT_EQ(choice.selected, c.selected) << what;
        }
    }
    ::unsetenv("TYPESTOW_GROUP_DIALOG");
}

} // namespace
