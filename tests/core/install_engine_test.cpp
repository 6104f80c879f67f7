#include "install/engine.h"
#include "platform/atm.h"
#include "platform/files.h"
#include "platform/fonttable.h"
#include "platform/registry.h"
#include "platform/type1store.h"
#include "tests/support/InstallFixture.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

// Three fonts: one whose file exists, one whose file is missing, and one that names its existing file
// only through m_strOriginalPath.
struct MissingFileSetup {
    FontList list;
    FontItem* present;
    FontItem* missing;
    FontItem* byOriginal;
};

class Engine : public InstallFixture {
protected:
    void FillMissingFileSetup(MissingFileSetup& s) {
        PutTrueType("C:\\SRC\\present.ttf");
        PutTrueType("C:\\SRC\\original.ttf");
        s.present = s.list.AddTail(TrueType("Present", "C:\\SRC\\present.ttf"));
        s.missing = s.list.AddTail(TrueType("Missing", "C:\\SRC\\missing.ttf"));
        s.byOriginal = s.list.AddTail(TrueType("By Original", ""));
        s.byOriginal->m_strOriginalPath = "C:\\SRC\\original.ttf";
    }
};

class EngineNT : public InstallFixture {
protected:
    EngineNT() : InstallFixture(true) {}
};

std::vector<std::string> Names(const FontList& list) {
    std::vector<std::string> out;
    for (const FontItem* f : list) out.push_back(f->m_strFullName);
    return out;
}
std::vector<std::string> Names(const FontSelection& sel) {
    std::vector<std::string> out;
    for (const FontItem* f : sel) out.push_back(f->m_strFullName);
    return out;
}

struct ValidateCase {
    const char* name;
    int warnings;
    std::vector<int> answers;
    int result;
    size_t boxes;
    std::vector<std::string> remaining;
};

const ValidateCase kValidateCases[] = {
    {"warnings off: nothing checked", 0, {}, 1, 0, {"Present", "Missing", "By Original"}},
    {"Abort empties the selection", 1, {kIdAbort}, 0, 1, {}},
    {"Ignore drops the missing file", 1, {kIdIgnore}, 1, 1, {"Present", "By Original"}},
    {"Retry walks again, then Ignore", 1, {kIdRetry, kIdIgnore}, 1, 2, {"Present", "By Original"}},
    {"Retry walks again, then Abort", 1, {kIdRetry, kIdAbort}, 0, 2, {}},
};

TEST_F(Engine, ValidateSelectionAsksAboutMissingFiles) {
    static int marker = 0;
    ui.m_active = &marker;
    for (const ValidateCase& c : kValidateCases) {
        SCOPED_TRACE(c.name);
        for (bool owned : {true, false}) {
            SCOPED_TRACE(owned ? "owned list" : "borrowed selection");
            ui.boxes.clear();
            app->m_bShowWarnings = c.warnings;
            for (int a : c.answers) ui.Answer(a);
            MissingFileSetup s;
            FillMissingFileSetup(s);
            int result;
            std::vector<std::string> remaining;
            if (owned) {
                result = ValidateSelection(s.list);
                remaining = Names(s.list);
            } else {
                FontSelection sel{s.present, s.missing, s.byOriginal};
                result = ValidateSelection(sel);
                remaining = Names(sel);
                EXPECT_EQ(s.list.GetCount(), 3u) << "a borrowed selection never deletes fonts";
            }
            EXPECT_EQ(result, c.result);
            EXPECT_EQ(remaining, c.remaining);
            ASSERT_EQ(ui.boxes.size(), c.boxes);
            for (const RecordedBox& box : ui.boxes) {
                EXPECT_EQ(box.text, "Some fonts have invalid fontfiles.");
                EXPECT_EQ(box.caption, "Warning");
                EXPECT_EQ(box.flags, unsigned(kMbAbortRetryIgnore | kMbIconWarning));
                EXPECT_EQ(box.owner, &marker);
            }
            if (c.result) {
                // The check takes up the original path of a font that has no file path of its own.
                EXPECT_EQ(s.byOriginal->m_strFilePath, c.warnings ? "C:\\SRC\\original.ttf" : "");
                EXPECT_EQ(s.byOriginal->m_strOriginalPath, c.warnings ? "" : "C:\\SRC\\original.ttf");
            }
        }
    }
}

TEST_F(EngineNT, ValidateSelectionFiltersType1FontsWhileWarningsAreOn) {
    PutTrueType("C:\\SRC\\sans.ttf");
    PutType1("C:\\PS\\HV.PFM", "Helvetica");
    struct Case {
        const char* name;
        int warnings;
        int answer;
        int result;
        std::vector<std::string> remaining;
        size_t boxes;
    } cases[] = {
        {"OK goes on without the Type 1 font", 1, kIdOk, 1, {"Sans"}, 1},
        {"Cancel stops", 1, kIdCancel, 0, {}, 1},
        {"warnings off: not filtered", 0, kIdOk, 1, {"Sans", "Helvetica"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.boxes.clear();
        app->m_bShowWarnings = c.warnings;
        if (c.boxes) ui.Answer(c.answer);
        FontList list;
        list.AddTail(TrueType("Sans", "C:\\SRC\\sans.ttf"));
        list.AddTail(Type1("Helvetica", "", "C:\\PS\\HV.PFM"));
        EXPECT_EQ(ValidateSelection(list), c.result);
        EXPECT_EQ(Names(list), c.remaining);
        ASSERT_EQ(ui.boxes.size(), c.boxes);
        if (c.boxes) {
            EXPECT_EQ(ui.boxes[0].text, "Type 1 fonts cannot be installed under windows NT");
            EXPECT_EQ(ui.boxes[0].caption, "Warning");
            EXPECT_EQ(ui.boxes[0].flags, unsigned(kMbOkCancel | kMbIconWarning));
        }
    }
}

TEST_F(Engine, ValidateSelectionKeepsType1FontsOnWindows95) {
    PutType1("C:\\PS\\HV.PFM", "Helvetica");
    FontList list;
    list.AddTail(Type1("Helvetica", "", "C:\\PS\\HV.PFM"));
    EXPECT_EQ(ValidateSelection(list), 1);
    EXPECT_EQ(list.GetCount(), 1u);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(Engine, TrueTypeAddedTwiceGoesWithOneTemporaryUninstall) {
    PutTrueType("C:\\SRC\\sans.ttf");
    auto font = TrueType("DejaVu Sans", "C:\\SRC\\sans.ttf");
    ASSERT_EQ(InstallTemporary(*font, 0), 1);
    ASSERT_EQ(InstallTemporary(*font, 0), 1);
    EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 2);
    EXPECT_EQ(font->m_strFilePath, "C:\\SRC\\sans.ttf") << "no copy without copying";

    EXPECT_EQ(UninstallTemporary(*font), 1);
    EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 0);
    EXPECT_EQ(font->m_bInstalled, 0);
    EXPECT_EQ(UninstallTemporary(*font), 0) << "nothing left to remove";
    EXPECT_TRUE(image.Exists("C:\\SRC\\sans.ttf")) << "an uninstall never deletes the file";
}

TEST_F(Engine, InstallTemporaryWithoutFilePathActivatesNothing) {
    auto font = TrueType("Nowhere", "");
    EXPECT_EQ(InstallTemporary(*font, 1), 1);
    EXPECT_EQ(font->m_bInstalled, 1);
    EXPECT_TRUE(ActiveFontFiles().empty());
    EXPECT_FALSE(FolderExists(TempFontDir())) << "nothing to copy";
}

TEST_F(Engine, InstallTemporaryWithCopyingWorksOnTheTempFontCopy) {
    PutTrueType("D:\\FONTS\\sans.ttf");
    auto font = TrueType("DejaVu Sans", "D:\\FONTS\\sans.ttf");
    ASSERT_EQ(InstallTemporary(*font, 1), 1);
    EXPECT_EQ(font->m_strFilePath, TempFontDir() + "\\sans.ttf");
    EXPECT_EQ(font->m_strOriginalPath, "D:\\FONTS\\sans.ttf");
    EXPECT_EQ(ActiveCount(font->m_strFilePath), 1);
    EXPECT_EQ(ActiveCount("D:\\FONTS\\sans.ttf"), 0);

    // Type 1: both files are copied; the paths switch even when the outline is missing.
    PutType1("D:\\FONTS\\HV.PFM", "Helvetica");
    PutType1("D:\\FONTS\\TI.PFM", "Times", false);
    auto helvetica = Type1("Helvetica", "", "D:\\FONTS\\HV.PFM");
    auto times = Type1("Times", "", "D:\\FONTS\\TI.PFM");
    EXPECT_EQ(InstallTemporary(*helvetica, 1), 1);
    EXPECT_EQ(InstallTemporary(*times, 1), 1);
    EXPECT_TRUE(image.Exists(TempFontDir() + "\\HV.PFM"));
    EXPECT_TRUE(image.Exists(TempFontDir() + "\\HV.pfb"));
    EXPECT_EQ(helvetica->m_strFilePath, TempFontDir() + "\\HV.PFM");
    EXPECT_EQ(times->m_strFilePath, TempFontDir() + "\\TI.PFM");
    EXPECT_EQ(times->m_strOriginalPath, "D:\\FONTS\\TI.PFM");
    EXPECT_EQ(AtmIniValue("Helvetica"), "<none>") << "a temporary install writes no ATM.INI entry";
}

TEST_F(Engine, PermanentTrueTypeIsRegisteredAndActivated) {
    PutTrueType("C:\\SRC\\sans.ttf");
    auto font = TrueType("DejaVu Sans", "C:\\SRC\\sans.ttf");
    ASSERT_EQ(InstallPermanent(*font), 1);
    EXPECT_EQ(font->m_strRegistryName, "DejaVu Sans (TrueType)");
    EXPECT_EQ(Registration("DejaVu Sans (TrueType)"), "C:\\SRC\\sans.ttf");
    EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 1);
    EXPECT_EQ(font->m_bInstalled, 1);

    ASSERT_EQ(UninstallPermanent(*font), 1);
    EXPECT_EQ(Registration("DejaVu Sans (TrueType)"), "<none>");
    EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 0);
    EXPECT_EQ(font->m_bInstalled, 0);
    EXPECT_TRUE(image.Exists("C:\\SRC\\sans.ttf"));
    EXPECT_EQ(UninstallPermanent(*font), 0) << "the registry value is gone";
}

TEST_F(Engine, PermanentInstallThatCannotActivateLeavesTheRegistrationAsItWas) {
    auto missing = TrueType("Gone", "C:\\SRC\\gone.ttf");
    EXPECT_EQ(InstallPermanent(*missing), 0);
    EXPECT_EQ(missing->m_bInstalled, 0);
    EXPECT_EQ(Registration("Gone (TrueType)"), "<none>");

    // An earlier registration under that name survives a failed reinstall.
    reg::SetString(FontsRegistryKey(), "Gone (TrueType)", "C:\\OLD\\gone.ttf");
    EXPECT_EQ(InstallPermanent(*missing), 0);
    EXPECT_EQ(Registration("Gone (TrueType)"), "C:\\OLD\\gone.ttf");
}

TEST_F(Engine, PermanentType1IsAnAtmIniEntry) {
    PutType1("C:\\PS\\HVB.PFM", "Helvetica-Bold");
    struct Case {
        const char* style;
        const char* key;
    } cases[] = {{"bold", "Helvetica,bold"}, {"", "Helvetica"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        auto font = Type1("Helvetica", c.style, "C:\\PS\\HVB.PFM");
        EXPECT_EQ(InstallPermanent(*font), 1) << "reported done whatever the Type 1 service answers";
        EXPECT_EQ(font->m_bInstalled, 1);
        EXPECT_EQ(AtmIniValue(c.key), "C:\\PS\\HVB.PFM,C:\\PS\\HVB.pfb");
        EXPECT_EQ(UninstallPermanent(*font), 1);
        EXPECT_EQ(AtmIniValue(c.key), "<none>");
        EXPECT_EQ(font->m_bInstalled, 0);
    }
    // With warnings off a missing Type 1 file is not noticed: the install is reported as done.
    auto missing = Type1("Missing", "", "C:\\PS\\NONE.PFM");
    EXPECT_EQ(InstallPermanent(*missing), 1);
}

TEST_F(Engine, Type1FontsReachTheType1Service) {
    ASSERT_EQ(atm::Bind(), 1);
    PutType1("C:\\PS\\HVB.PFM", "Helvetica-Bold");
    auto active = [] {
        std::vector<std::string> out;
        for (const Type1Record& r : ActiveType1Fonts())
            out.push_back(r.menuName + "/" + std::to_string(r.style) + (r.permanent ? "/P" : "/T") + "/" +
                          r.metricsPath + "/" + r.outlinePath);
        return out;
    };
    const std::vector<std::string> none;
    ASSERT_EQ(active(), none);

    auto font = Type1("Helvetica", "bold", "C:\\PS\\HVB.PFM");
    ASSERT_EQ(InstallPermanent(*font), 1);
    const std::vector<std::string> permanent = {"Helvetica/2/P/C:\\PS\\HVB.PFM/C:\\PS\\HVB.pfb"};
    EXPECT_EQ(active(), permanent);

    // A preview from the Source pane of the font that is installed already leaves it installed.
    auto source = Type1("Helvetica", "bold", "C:\\PS\\HVB.PFM");
    AcquirePreview(*source);
    ReleasePreview(*source);
    EXPECT_EQ(active(), permanent);
    EXPECT_EQ(source->m_bInstalled, 0);

    ASSERT_EQ(UninstallPermanent(*font), 1);
    EXPECT_EQ(active(), none);

    ASSERT_EQ(InstallTemporary(*font, 0), 1);
    EXPECT_EQ(active(), std::vector<std::string>{"Helvetica/2/T/C:\\PS\\HVB.PFM/C:\\PS\\HVB.pfb"});
    ASSERT_EQ(UninstallTemporary(*font), 1);
    EXPECT_EQ(active(), none);

    AcquirePreview(*source);
    EXPECT_EQ(active().size(), 1u);
    ReleasePreview(*source);
    EXPECT_EQ(active(), none);
}

TEST_F(Engine, CopyFileWithPromptAsksBeforeReplacing) {
    struct Case {
        const char* name;
        int warnings;
        bool targetExists;
        bool readOnlyTarget;
        int answer;
        int result;
        const char* targetAfter;
        size_t boxes;
    } cases[] = {
        {"no target: copied without a question", 1, false, false, 0, 1, "new", 0},
        {"No keeps the old file and counts as done", 1, true, false, kIdNo, 1, "old", 1},
        {"Yes replaces it", 1, true, false, kIdYes, 1, "new", 1},
        {"warnings off: replaced without asking", 0, true, false, 0, 1, "new", 0},
        {"Yes on a read-only file fails", 1, true, true, kIdYes, 0, "old", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.boxes.clear();
        app->m_bShowWarnings = c.warnings;
        image.WriteFile("C:\\SRC\\a.ttf", "new");
        SetFileAttributes("C:\\DST\\a.ttf", kAttrNormal);
        DeleteFile("C:\\DST\\a.ttf");
        image.WriteFile("C:\\DST\\keep.txt", "");
        if (c.targetExists) image.WriteFile("C:\\DST\\a.ttf", "old");
        if (c.readOnlyTarget) SetFileAttributes("C:\\DST\\a.ttf", kAttrReadOnly);
        if (c.answer) ui.Answer(c.answer);
        EXPECT_EQ(CopyFileWithPrompt("C:\\SRC\\a.ttf", "C:\\DST\\a.ttf"), c.result);
        EXPECT_EQ(image.ReadFile("C:\\DST\\a.ttf"), c.targetAfter);
        ASSERT_EQ(ui.boxes.size(), c.boxes);
        if (c.boxes) {
            EXPECT_EQ(ui.boxes[0].text, "Replace file 'C:\\DST\\a.ttf' with 'C:\\SRC\\a.ttf' ? ");
            EXPECT_EQ(ui.boxes[0].caption, "Copying File");
            EXPECT_EQ(ui.boxes[0].flags, unsigned(kMbYesNo));
            EXPECT_EQ(ui.boxes[0].owner, nullptr);
        }
    }
    ui.boxes.clear();
    EXPECT_EQ(CopyFileWithPrompt("C:\\SRC\\none.ttf", "C:\\DST\\a.ttf"), 0)
        << "a missing source is no question";
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(Engine, TestRemoteLooksAtBothPathsAndKeepsTheDriveCache) {
    struct Case {
        const char* name;
        const char* file;
        const char* original;
        int remote;
    } cases[] = {
        {"both on the fixed drive", "C:\\SRC\\a.ttf", "C:\\OLD\\a.ttf", 0},
        {"file on the CD-ROM drive", "D:\\FONTS\\a.ttf", "", 1},
        {"only the original on the CD-ROM drive", "C:\\SRC\\a.ttf", "D:\\FONTS\\a.ttf", 1},
        {"lower-case drive letter", "d:\\fonts\\a.ttf", "", 1},
        {"no drive letter", "d.ttf", "", 0},
        {"network path", "\\\\server\\fonts\\a.ttf", "", 0},
        {"no paths", "", "", 0},
    };
    EXPECT_EQ(app->m_nRemoteDrives, -1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto font = TrueType("A", c.file);
        font->m_strOriginalPath = c.original;
        EXPECT_EQ(TestRemote(*font), c.remote);
        EXPECT_EQ(font->m_bRemote, c.remote);
    }
    EXPECT_EQ(app->m_nRemoteDrives, 1);
    EXPECT_STREQ(app->m_remoteDrives, "d");

    auto earlier = TrueType("A", "C:\\SRC\\a.ttf");
    earlier->m_bRemote = 1;
    EXPECT_EQ(TestRemote(*earlier), 1) << "a remote mark set earlier stays";

    FontList list;
    list.AddTail(TrueType("A", "C:\\SRC\\a.ttf"));
    EXPECT_EQ(AnyRemote(list), 0);
    list.AddTail(TrueType("B", "D:\\FONTS\\b.ttf"));
    EXPECT_EQ(AnyRemote(list), 1);
}

TEST_F(Engine, PreviewAcquiredTwiceAndReleasedTwiceLeavesTheFontAsItWas) {
    PutTrueType("C:\\SRC\\sans.ttf");
    auto font = TrueType("DejaVu Sans", "C:\\SRC\\sans.ttf");
    AcquirePreview(*font);
    AcquirePreview(*font);
    EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 1);
    EXPECT_EQ(font->m_nPreviewUsers, 2);
    ReleasePreview(*font);
    EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 1) << "the other sheet still shows it";
    ReleasePreview(*font);
    EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 0);
    EXPECT_EQ(font->m_bInstalled, 0);
    EXPECT_EQ(font->m_bPreviewInstalled, 0);
    EXPECT_EQ(font->m_nPreviewUsers, 0);
    ReleasePreview(*font);
    EXPECT_EQ(font->m_nPreviewUsers, 0) << "a release without a preview does nothing";
}

TEST_F(Engine, PreviewOfAFileThatIsActiveAlreadyLeavesItActive) {
    // The Source pane shows every font as not installed, also one whose file is installed.
    PutTrueType("C:\\SRC\\sans.ttf");
    ASSERT_NE(AddFontResource("C:\\SRC\\sans.ttf"), 0);
    auto font = TrueType("DejaVu Sans", "C:\\SRC\\sans.ttf");
    AcquirePreview(*font);
    EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 2);
    ReleasePreview(*font);
    EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 1);
}

TEST_F(Engine, GroupFontInstalledPermanentlyJoinsThePermanentListOnce) {
    PutTrueType("D:\\FONTS\\sans.ttf");
    FontGroup group;
    FontItem* member = group.m_pFonts->AddTail(TrueType("DejaVu Sans", "D:\\FONTS\\sans.ttf"));
    EXPECT_EQ(InstallGroupFontPermanent(*member, 1), 1);
    const std::string copied = FontsDir() + "\\sans.ttf";
    EXPECT_TRUE(image.Exists(copied));
    EXPECT_EQ(member->m_strFilePath, copied);
    EXPECT_EQ(member->m_strOriginalPath, "D:\\FONTS\\sans.ttf");
    EXPECT_EQ(member->m_bCopiedToFonts, 0) << "left as it was";
    EXPECT_EQ(Registration("DejaVu Sans (TrueType)"), copied);
    ASSERT_EQ(app->m_permList->GetCount(), 1u);
    EXPECT_NE(app->m_permList->GetAt(0), member) << "the list holds a copy";

    // Again, with warnings on: the replace question comes up, and the list keeps one font.
    ui.Answer(kIdNo);
    auto again = TrueType("DejaVu Sans", "D:\\FONTS\\sans.ttf");
    EXPECT_EQ(InstallGroupFontPermanent(*again, 1), 1);
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(app->m_permList->GetCount(), 1u);
    EXPECT_EQ(group.m_pFonts->GetCount(), 1u) << "the group keeps its own font";

    // Without copying the font is installed from where it is.
    PutTrueType("D:\\FONTS\\bold.ttf", "DejaVuSans-Bold.ttf");
    auto bold = TrueType("DejaVu Sans Bold", "D:\\FONTS\\bold.ttf");
    EXPECT_EQ(InstallGroupFontPermanent(*bold, 0), 1);
    EXPECT_EQ(Registration("DejaVu Sans Bold (TrueType)"), "D:\\FONTS\\bold.ttf");
    EXPECT_EQ(app->m_permList->GetCount(), 2u);

    // A failed install still leaves its copy in the list.
    auto missing = TrueType("Missing", "D:\\FONTS\\missing.ttf");
    EXPECT_EQ(InstallGroupFontPermanent(*missing, 0), 0);
    EXPECT_EQ(app->m_permList->GetCount(), 3u);
}

TEST_F(Engine, GroupFontAlreadyInTheFontsFolderIsNotCopiedOntoItself) {
    const std::string inFonts = FontsDir() + "\\sans.ttf";
    PutTrueType(inFonts);
    auto font = TrueType("DejaVu Sans", inFonts);
    EXPECT_EQ(InstallGroupFontPermanent(*font, 1), 1);
    EXPECT_TRUE(ui.boxes.empty()) << "no question about replacing the file with itself";
    EXPECT_EQ(font->m_strFilePath, inFonts);
    EXPECT_EQ(font->m_strOriginalPath, "") << "not marked as a copy the engine made";
    EXPECT_TRUE(image.Exists(inFonts));
}

TEST_F(Engine, GroupFontInstalledTemporarilyIsRecordedAndListed) {
    PutTrueType("D:\\FONTS\\sans.ttf");
    auto font = TrueType("DejaVu Sans", "D:\\FONTS\\sans.ttf");
    EXPECT_EQ(InstallGroupFontTemporary(*font), 1);
    EXPECT_EQ(font->m_strFilePath, TempFontDir() + "\\sans.ttf");
    ASSERT_EQ(app->m_tempList->GetCount(), 1u);
    EXPECT_EQ(app->m_tempList->GetAt(0)->m_strOriginalPath, "D:\\FONTS\\sans.ttf");

    FontItem probe;
    probe.m_strFullName = "DejaVu Sans";
    EXPECT_EQ(app->LookupTempInstallRecord(probe), 1);
    EXPECT_EQ(probe.m_strOriginalPath, "D:\\FONTS\\sans.ttf");

    auto again = TrueType("DejaVu Sans", "D:\\FONTS\\sans.ttf");
    EXPECT_EQ(InstallGroupFontTemporary(*again), 1);
    EXPECT_EQ(app->m_tempList->GetCount(), 1u) << "same font and file";
    EXPECT_EQ(ActiveCount(TempFontDir() + "\\sans.ttf"), 2);
}

} // namespace
