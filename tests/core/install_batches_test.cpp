#include "install/batches.h"
#include "platform/files.h"
#include "platform/fonttable.h"
#include "platform/registry.h"
#include "tests/support/InstallFixture.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class Batches : public InstallFixture {
protected:
    // A font installed permanently from `path`, in m_permList with a row in the pane.
    FontItem* InstalledPermanently(const std::string& name, const std::string& path,
                                   const std::string& original = "") {
        auto font = TrueType(name, path);
        font->m_strOriginalPath = original;
        EXPECT_EQ(InstallPermanent(*font), 1);
        FontItem* held = Add(*app->m_permList, std::move(font));
        permPane.AddRow(held);
        return held;
    }
    // A font installed temporarily with copying from `path`, in m_tempList with a row in the pane.
    FontItem* InstalledTemporarily(const std::string& name, const std::string& path) {
        auto font = TrueType(name, path);
        EXPECT_EQ(InstallTemporary(*font, 1), 1);
        app->RecordTempInstall(*font);
        FontItem* held = Add(*app->m_tempList, std::move(font));
        tempPane.AddRow(held);
        return held;
    }
    DragState Drag(DRAG_SOURCE source, std::vector<FontItem*> fonts) {
        DragState drag;
        drag.m_bDragging = 1;
        drag.m_nSource = source;
        drag.m_dragList = std::move(fonts);
        return drag;
    }
    void ExpectBox(size_t i, const std::string& text, const std::string& caption, unsigned flags) {
        ASSERT_LT(i, ui.boxes.size());
        EXPECT_EQ(ui.boxes[i].text, text);
        EXPECT_EQ(ui.boxes[i].caption, caption);
        EXPECT_EQ(ui.boxes[i].flags, flags);
    }
};

const unsigned kQuestion = kMbYesNo | kMbIconQuestion;
const unsigned kNotice = kMbOk | kMbIconInformation;

TEST_F(Batches, FontsFolderIsMatchedAsAWholeFolder) {
    const std::string fonts = FontsDir(); // C:\WINDOWS\Fonts
    struct Case {
        std::string path;
        int inFonts;
    } cases[] = {
        {fonts + "\\a.ttf", 1},
        {"c:\\windows\\fonts\\a.ttf", 1},
        // Agreeing in the first 14 characters is not enough: such a folder is the user's own.
        {fonts + " Backup\\a.ttf", 0},
        {"C:\\WINDOWS\\Fonty\\a.ttf", 0},
        {fonts + "\\Sub\\a.ttf", 0},
        {"C:\\WINDOWS\\a.ttf", 0},
        {"a.ttf", 0},
        {"", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(IsInFontsFolder(c.path), c.inFonts);
        auto font = TrueType("A", c.path);
        EXPECT_EQ(AnyInFontsFolder({font.get()}), c.inFonts);
    }
    // A file in a folder that only begins like the Fonts folder stays where it is after an uninstall.
    const std::string backup = fonts + " Backup\\a.ttf";
    PutTrueType(backup);
    FontItem* font = InstalledPermanently("DejaVu Sans", backup);
    permPane.Select(font);
    app->m_bShowWarnings = 0;
    DeletePermanent(permPane);
    EXPECT_TRUE(app->m_permList->IsEmpty());
    EXPECT_TRUE(image.Exists(backup));
    EXPECT_FALSE(image.Exists(TempFontDir() + "\\a.ttf"));
}

TEST_F(Batches, DeletePermanentRelocatesFilesOutOfTheFontsFolder) {
    struct Case {
        const char* name;
        bool copiedByEngine;
    } cases[] = {{"put there by the user: moved into TempFont", false},
                 {"copied there by the engine: the copy is deleted", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.boxes.clear();
        const std::string inFonts = FontsDir() + "\\sans.ttf";
        PutTrueType(inFonts);
        if (c.copiedByEngine) PutTrueType("D:\\FONTS\\sans.ttf");
        FontItem* font =
            InstalledPermanently("DejaVu Sans", inFonts, c.copiedByEngine ? "D:\\FONTS\\sans.ttf" : "");
        permPane.Select(font);
        const uint64_t before = NoticeSequence();
        ui.Answer(kIdYes);
        DeletePermanent(permPane);

        ExpectBox(0, "Are you sure you want to uninstall the selected font(s)?", "Uninstall Permanently",
                  kQuestion);
        EXPECT_EQ(ui.boxes[0].owner, &permPane);
        EXPECT_EQ(ui.boxes.size(), 1u);
        EXPECT_TRUE(app->m_permList->IsEmpty());
        EXPECT_TRUE(permPane.rows.empty());
        EXPECT_EQ(Registration("DejaVu Sans (TrueType)"), "<none>");
        EXPECT_EQ(ActiveCount(inFonts), 0);
        EXPECT_FALSE(image.Exists(inFonts));
        EXPECT_EQ(image.Exists(TempFontDir() + "\\sans.ttf"), !c.copiedByEngine);
        if (c.copiedByEngine) {
            EXPECT_TRUE(image.Exists("D:\\FONTS\\sans.ttf"));
        }
        EXPECT_EQ(NoticeSequence(), before + 1);
        EXPECT_EQ(ui.m_waitDepth, 0);
        DeleteFile(TempFontDir() + "\\sans.ttf");
    }
}

TEST_F(Batches, RelocationKeepsTheFontNamingItsFile) {
    const std::string inFonts = FontsDir() + "\\sans.ttf";
    PutTrueType(inFonts);
    auto mine = TrueType("A", inFonts);
    EXPECT_EQ(RelocateFromFontsFolder(*mine), 1);
    EXPECT_EQ(mine->m_strFilePath, TempFontDir() + "\\sans.ttf");
    EXPECT_TRUE(image.Exists(mine->m_strFilePath));

    PutTrueType(inFonts);
    auto copy = TrueType("A", inFonts);
    copy->m_strOriginalPath = "D:\\FONTS\\sans.ttf";
    EXPECT_EQ(RelocateFromFontsFolder(*copy), 1);
    EXPECT_EQ(copy->m_strFilePath, "D:\\FONTS\\sans.ttf");
    EXPECT_EQ(copy->m_strOriginalPath, "");

    auto elsewhere = TrueType("A", "C:\\SRC\\sans.ttf");
    EXPECT_EQ(RelocateFromFontsFolder(*elsewhere), 0);
    EXPECT_EQ(elsewhere->m_strFilePath, "C:\\SRC\\sans.ttf");
}

TEST_F(Batches, DeletePermanentAnsweredNoChangesNothing) {
    PutTrueType("C:\\SRC\\sans.ttf");
    FontItem* font = InstalledPermanently("DejaVu Sans", "C:\\SRC\\sans.ttf");
    permPane.Select(font);
    const uint64_t before = NoticeSequence();
    ui.Answer(kIdNo);
    DeletePermanent(permPane);
    EXPECT_EQ(app->m_permList->GetCount(), 1u);
    EXPECT_EQ(permPane.rows.size(), 1u);
    EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 1);
    EXPECT_EQ(NoticeSequence(), before) << "stopped before anything was done";
    EXPECT_EQ(ui.m_waitDepth, 0);
}

TEST_F(Batches, UninstallFailuresAreReportedEvenWithWarningsOff) {
    app->m_bShowWarnings = 0;
    PutTrueType("C:\\SRC\\sans.ttf");
    PutTrueType("C:\\SRC\\bold.ttf", "DejaVuSans-Bold.ttf");
    FontItem* good = InstalledPermanently("DejaVu Sans", "C:\\SRC\\sans.ttf");
    FontItem* bad = InstalledPermanently("DejaVu Sans Bold", "C:\\SRC\\bold.ttf");
    reg::DeleteValue(FontsRegistryKey(), "DejaVu Sans Bold (TrueType)"); // its uninstall now fails
    permPane.SelectAll();
    DeletePermanent(permPane);
    ASSERT_EQ(ui.boxes.size(), 1u);
    ExpectBox(0, "Some font files were not found and therefore could not be Deleted", "Error", kNotice);
    ASSERT_EQ(app->m_permList->GetCount(), 1u);
    EXPECT_EQ(app->m_permList->GetAt(0), bad);
    EXPECT_EQ(permPane.rows, std::vector<FontItem*>{bad});
    (void)good;

    // A row that cannot be removed counts as an error too; the pane is rebuilt so no row outlives its font.
    ui.boxes.clear();
    reg::SetString(FontsRegistryKey(), "DejaVu Sans Bold (TrueType)", "C:\\SRC\\bold.ttf");
    permPane.SelectAll();
    permPane.refuseRemoval = true;
    DeletePermanent(permPane);
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(app->m_permList->IsEmpty());
    EXPECT_TRUE(permPane.rows.empty());
    EXPECT_EQ(permPane.refills, 1);
}

TEST_F(Batches, CutPermanentMovesTheUninstalledFontsOntoTheClipboard) {
    PutTrueType("C:\\SRC\\sans.ttf");
    FontItem* font = InstalledPermanently("DejaVu Sans", "C:\\SRC\\sans.ttf");
    app->m_clipboard->AddTail(TrueType("Old", "C:\\SRC\\old.ttf"));
    permPane.Select(font);
    ui.Answer(kIdYes);
    CutPermanent(permPane);
    ExpectBox(0, "Are you sure you want to uninstall the selected font(s)?", "Uninstall Permanently",
              kQuestion);
    EXPECT_TRUE(app->m_permList->IsEmpty());
    ASSERT_EQ(app->m_clipboard->GetCount(), 1u);
    EXPECT_EQ(app->m_clipboard->GetAt(0), font) << "the font itself moves";
    EXPECT_EQ(font->m_bInstalled, 0);
    EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 0);

    // A later Paste into the Temporarily Installed pane installs it temporarily.
    PasteIntoTemporary(tempPane);
    ASSERT_EQ(app->m_tempList->GetCount(), 1u);
    EXPECT_EQ(tempPane.RowNames(), std::vector<std::string>{"DejaVu Sans"});
    EXPECT_EQ(ActiveCount(TempFontDir() + "\\sans.ttf"), 1);
}

TEST_F(Batches, TempFontFileIsInstalledFromItsOriginOnDropButFromACopyOnPaste) {
    PutTrueType("C:\\SRC\\sans.ttf");
    const std::string tempCopy = TempFontDir() + "\\sans.ttf";
    const std::string inFonts = FontsDir() + "\\sans.ttf";

    // Drop from the Temporarily Installed pane.
    FontItem* dragged = InstalledTemporarily("DejaVu Sans", "C:\\SRC\\sans.ttf");
    ASSERT_EQ(dragged->m_strFilePath, tempCopy);
    DragState drag = Drag(DRAG_FROM_TEMP, {dragged});
    const uint64_t before = NoticeSequence();
    ui.Answer(kIdYes);
    EXPECT_EQ(DropOnPermanent(drag, &permPane), DROP_PERM_CHANGED | DROP_TEMP_CHANGED);
    ExpectBox(0, "Are you sure you want to uninstall the selected font(s)?", "Uninstall Temporarily",
              kQuestion);
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(app->m_tempList->IsEmpty());
    ASSERT_EQ(app->m_permList->GetCount(), 1u);
    EXPECT_EQ(app->m_permList->GetAt(0)->m_strFilePath, "C:\\SRC\\sans.ttf");
    EXPECT_EQ(Registration("DejaVu Sans (TrueType)"), "C:\\SRC\\sans.ttf");
    EXPECT_EQ(ActiveCount(tempCopy), 0);
    EXPECT_FALSE(image.Exists(inFonts));
    EXPECT_EQ(NoticeSequence(), before) << "a drop leaves the notice to its caller";

    // Paste of a clipboard copy of a temporarily installed font.
    UninstallPermanent(*app->m_permList->GetAt(0));
    app->m_permList->RemoveAll();
    ui.boxes.clear();
    FontItem* installed = InstalledTemporarily("DejaVu Sans", "C:\\SRC\\sans.ttf");
    app->m_clipboard->AddTail(std::make_unique<FontItem>(*installed));
    PasteIntoPermanent(permPane, tempPane);
    EXPECT_TRUE(ui.boxes.empty());
    ASSERT_EQ(app->m_permList->GetCount(), 1u);
    const FontItem* pasted = app->m_permList->GetAt(0);
    EXPECT_EQ(pasted->m_strFilePath, inFonts);
    EXPECT_EQ(pasted->m_strOriginalPath, "") << "a TempFont file is not an original to return to";
    EXPECT_EQ(pasted->m_bCopiedToFonts, 1);
    EXPECT_TRUE(image.Exists(inFonts));
    EXPECT_EQ(Registration("DejaVu Sans (TrueType)"), inFonts);
    EXPECT_TRUE(app->m_tempList->IsEmpty()) << "taken over from the temporary installation";
    EXPECT_EQ(tempPane.refills, 1);
    EXPECT_EQ(permPane.RowNames(), std::vector<std::string>{"DejaVu Sans"});
    EXPECT_EQ(NoticeSequence(), before + 1);
}

TEST_F(Batches, DropOfATempFontWithoutAKnownOriginInstallsACopyInTheFontsFolder) {
    // After a restart of the program the temporary font names only its TempFont copy.
    PutTrueType(TempFontDir() + "\\sans.ttf");
    ASSERT_NE(AddFontResource(TempFontDir() + "\\sans.ttf"), 0);
    auto font = TrueType("DejaVu Sans", TempFontDir() + "\\sans.ttf");
    font->m_bInstalled = 1;
    FontItem* held = Add(*app->m_tempList, std::move(font));
    app->m_bShowWarnings = 0;
    DragState drag = Drag(DRAG_FROM_TEMP, {held});
    EXPECT_EQ(DropOnPermanent(drag, &permPane), DROP_PERM_CHANGED | DROP_TEMP_CHANGED);
    ASSERT_EQ(app->m_permList->GetCount(), 1u);
    EXPECT_EQ(app->m_permList->GetAt(0)->m_strFilePath, FontsDir() + "\\sans.ttf");
    EXPECT_EQ(Registration("DejaVu Sans (TrueType)"), FontsDir() + "\\sans.ttf");
    EXPECT_EQ(ActiveCount(FontsDir() + "\\sans.ttf"), 1);
}

TEST_F(Batches, PastingTheSameClipboardTwiceLeavesOneRow) {
    PutTrueType("C:\\SRC\\sans.ttf");
    PutTrueType("C:\\SRC\\bold.ttf", "DejaVuSans-Bold.ttf");
    app->m_clipboard->AddTail(TrueType("DejaVu Sans", "C:\\SRC\\sans.ttf"));
    app->m_clipboard->AddTail(TrueType("DejaVu Sans Bold", "C:\\SRC\\bold.ttf"));
    PasteIntoPermanent(permPane, tempPane);
    EXPECT_TRUE(ui.boxes.empty());
    PasteIntoPermanent(permPane, tempPane);
    ASSERT_EQ(ui.boxes.size(), 1u);
    ExpectBox(0, "Some fonts already installed permanently", "Notice", kNotice);
    EXPECT_EQ(ui.boxes[0].owner, &permPane);
    EXPECT_EQ(permPane.RowNames(), (std::vector<std::string>{"DejaVu Sans", "DejaVu Sans Bold"}));
    EXPECT_EQ(app->m_permList->GetCount(), 2u);
    EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 2) << "installed twice";
    EXPECT_EQ(app->m_clipboard->GetCount(), 2u) << "the clipboard keeps its fonts";
    EXPECT_EQ(permPane.sorts, 1) << "sorted only when rows were added";
}

TEST_F(Batches, CopyQuestionOfThePermanentBatches) {
    struct Case {
        const char* name;
        int warnings;
        int answer;
        size_t installed;
        const char* registered;
    } cases[] = {
        {"Yes copies into the Fonts folder", 1, kIdYes, 1, "C:\\WINDOWS\\Fonts\\sans.ttf"},
        {"No installs from the CD-ROM", 1, kIdNo, 1, "D:\\FONTS\\sans.ttf"},
        {"Cancel stops before anything", 1, kIdCancel, 0, "<none>"},
        {"warnings off copies without asking", 0, 0, 1, "C:\\WINDOWS\\Fonts\\sans.ttf"},
    };
    PutTrueType("D:\\FONTS\\sans.ttf");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.boxes.clear();
        app->m_bShowWarnings = c.warnings;
        app->m_clipboard->RemoveAll();
        app->m_clipboard->AddTail(TrueType("DejaVu Sans", "D:\\FONTS\\sans.ttf"));
        if (c.answer) ui.Answer(c.answer);
        const uint64_t before = NoticeSequence();
        PasteIntoPermanent(permPane, tempPane);
        ASSERT_EQ(ui.boxes.size(), c.warnings ? 1u : 0u);
        if (c.warnings) {
            ExpectBox(0, "Copy Remote files to 'Fonts' folder?", "Installing Permanently",
                      kMbYesNoCancel | kMbIconQuestion);
        }
        ASSERT_EQ(app->m_permList->GetCount(), c.installed);
        EXPECT_EQ(Registration("DejaVu Sans (TrueType)"), c.registered);
        EXPECT_EQ(NoticeSequence(), before + c.installed);
        if (c.installed) {
            const FontItem* font = app->m_permList->GetAt(0);
            const bool copied = std::string(c.registered).rfind("C:", 0) == 0;
            EXPECT_EQ(font->m_bCopiedToFonts, copied ? 1 : 0);
            EXPECT_EQ(font->m_bRemote, copied ? 0 : 1);
            EXPECT_EQ(font->m_strOriginalPath, copied ? "D:\\FONTS\\sans.ttf" : "");
            UninstallPermanent(*app->m_permList->GetAt(0));
        }
        app->m_permList->RemoveAll();
        permPane.rows.clear();
        DeleteFile(FontsDir() + "\\sans.ttf");
    }
}

TEST_F(Batches, PastedType1FontKeepsItsStyleAndStaysPermanent) {
    // Copied into the Fonts folder on the way: the ATM.INI key still carries the font's own style.
    PutType1("D:\\FONTS\\HVB.PFM", "Helvetica-Bold");
    app->m_clipboard->AddTail(Type1("Helvetica", "bold", "D:\\FONTS\\HVB.PFM"));
    ui.Answer(kIdYes);
    PasteIntoPermanent(permPane, tempPane);
    ASSERT_EQ(app->m_permList->GetCount(), 1u);
    FontItem* pasted = app->m_permList->GetAt(0);
    EXPECT_EQ(pasted->m_strStyle, "bold");
    EXPECT_EQ(pasted->m_strFilePath, FontsDir() + "\\HVB.PFM");
    EXPECT_TRUE(image.Exists(FontsDir() + "\\HVB.pfb"));
    EXPECT_EQ(AtmIniValue("Helvetica,bold"), FontsDir() + "\\HVB.PFM," + FontsDir() + "\\HVB.pfb");
    EXPECT_EQ(AtmIniValue("Helvetica,Style"), "<none>");
    EXPECT_EQ(app->ClassifyInstalledFont(*pasted), 1) << "found again as installed permanently";
}

TEST_F(Batches, DropsBetweenTheInstalledPanesWithWarningsOffMoveWithoutQuestions) {
    app->m_bShowWarnings = 0;
    PutTrueType("C:\\SRC\\sans.ttf");
    FontItem* temp = InstalledTemporarily("DejaVu Sans", "C:\\SRC\\sans.ttf");
    DragState toPerm = Drag(DRAG_FROM_TEMP, {temp});
    EXPECT_EQ(DropOnPermanent(toPerm, &permPane), DROP_PERM_CHANGED | DROP_TEMP_CHANGED);
    EXPECT_TRUE(app->m_tempList->IsEmpty());
    ASSERT_EQ(app->m_permList->GetCount(), 1u);

    permPane.Refill();
    DragState toTemp = Drag(DRAG_FROM_PERM, {app->m_permList->GetAt(0)});
    EXPECT_EQ(DropOnTemporary(toTemp, &tempPane), DROP_PERM_CHANGED | DROP_TEMP_CHANGED);
    EXPECT_TRUE(app->m_permList->IsEmpty());
    ASSERT_EQ(app->m_tempList->GetCount(), 1u);
    EXPECT_EQ(app->m_tempList->GetAt(0)->m_strFilePath, TempFontDir() + "\\sans.ttf");
    EXPECT_EQ(Registration("DejaVu Sans (TrueType)"), "<none>");
    EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 0);
    EXPECT_EQ(ActiveCount(TempFontDir() + "\\sans.ttf"), 1);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(Batches, DropFromThePermanentPaneAsksBeforeUninstalling) {
    PutTrueType("C:\\SRC\\sans.ttf");
    FontItem* font = InstalledPermanently("DejaVu Sans", "C:\\SRC\\sans.ttf");
    DragState drag = Drag(DRAG_FROM_PERM, {font});
    ui.Answer(kIdNo);
    EXPECT_EQ(DropOnTemporary(drag, &tempPane), 0);
    ExpectBox(0, "Are you sure you want to uninstall the selected font(s)?", "Uninstall Permanently",
              kQuestion);
    EXPECT_EQ(app->m_permList->GetCount(), 1u);
    EXPECT_TRUE(app->m_tempList->IsEmpty());

    // Onto its own pane, or without a drag, nothing happens.
    ui.boxes.clear();
    EXPECT_EQ(DropOnPermanent(drag, &permPane), 0);
    drag.m_bDragging = 0;
    EXPECT_EQ(DropOnTemporary(drag, &tempPane), 0);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(Batches, TemporaryBatchesSkipPermanentFontsWithANotice) {
    PutTrueType("C:\\SRC\\sans.ttf");
    PutTrueType("C:\\SRC\\bold.ttf", "DejaVuSans-Bold.ttf");
    InstalledPermanently("DejaVu Sans", "C:\\SRC\\sans.ttf");
    const std::string skipped =
        "Some fonts are already installed Permanently and therefore could not be installed temporarily";
    for (int warnings : {1, 0}) {
        SCOPED_TRACE(warnings ? "warnings on" : "warnings off");
        ui.boxes.clear();
        app->m_bShowWarnings = warnings;
        app->m_clipboard->RemoveAll();
        app->m_clipboard->AddTail(TrueType("DejaVu Sans", "C:\\SRC\\sans.ttf"));
        app->m_clipboard->AddTail(TrueType("DejaVu Sans Bold", "C:\\SRC\\bold.ttf"));
        const uint64_t before = NoticeSequence();
        PasteIntoTemporary(tempPane);
        EXPECT_EQ(tempPane.RowNames(), std::vector<std::string>{"DejaVu Sans Bold"});
        EXPECT_EQ(app->m_tempList->GetCount(), 1u);
        EXPECT_EQ(ActiveCount("C:\\SRC\\sans.ttf"), 1) << "still installed permanently only";
        EXPECT_EQ(NoticeSequence(), before + 1);
        if (warnings) {
            ASSERT_EQ(ui.boxes.size(), 1u);
            ExpectBox(0, skipped, "Notice", kNotice);
        } else {
            EXPECT_TRUE(ui.boxes.empty());
        }
        // The second round finds the bold font installed temporarily already.
        if (!warnings) break;
        tempPane.rows.clear();
        app->m_tempList->RemoveAll();
    }

    // The same for a drop from the Source pane; the notice of a font already temporary comes first.
    ui.boxes.clear();
    app->m_bShowWarnings = 1;
    FontItem* sans = Add(*app->m_sourceList, TrueType("DejaVu Sans", "C:\\SRC\\sans.ttf"));
    FontItem* bold = Add(*app->m_sourceList, TrueType("DejaVu Sans Bold", "C:\\SRC\\bold.ttf"));
    DragState drag = Drag(DRAG_FROM_SOURCE, {sans, bold});
    EXPECT_EQ(DropOnTemporary(drag, &tempPane), DROP_TEMP_CHANGED);
    ASSERT_EQ(ui.boxes.size(), 2u);
    ExpectBox(0, "Some fonts are already installed temporarily", "Notice", kNotice);
    ExpectBox(1, skipped, "Notice", kNotice);
    EXPECT_EQ(app->m_tempList->GetCount(), 1u);
}

TEST_F(Batches, DeleteTemporaryUninstallsTheSelectedRows) {
    PutTrueType("C:\\SRC\\sans.ttf");
    FontItem* font = InstalledTemporarily("DejaVu Sans", "C:\\SRC\\sans.ttf");
    tempPane.Select(font);
    ui.Answer(kIdYes);
    DeleteTemporary(tempPane);
    ExpectBox(0, "Are you sure you want to uninstall the selected font(s)?", "Uninstall Temporarily",
              kQuestion);
    EXPECT_EQ(ui.boxes[0].owner, &tempPane);
    EXPECT_TRUE(app->m_tempList->IsEmpty());
    EXPECT_TRUE(tempPane.rows.empty());
    EXPECT_EQ(ActiveCount(TempFontDir() + "\\sans.ttf"), 0);
    EXPECT_TRUE(image.Exists(TempFontDir() + "\\sans.ttf")) << "left to the TempFont reconciliation";
}

TEST_F(Batches, MissingFileAbortStopsAPaste) {
    app->m_clipboard->AddTail(TrueType("Gone", "C:\\SRC\\gone.ttf"));
    ui.Answer(kIdAbort);
    const uint64_t before = NoticeSequence();
    PasteIntoPermanent(permPane, tempPane);
    EXPECT_TRUE(app->m_clipboard->IsEmpty());
    EXPECT_TRUE(app->m_permList->IsEmpty());
    EXPECT_EQ(NoticeSequence(), before);

    // The temporary paste goes on to its notice after an Abort.
    app->m_clipboard->AddTail(TrueType("Gone", "C:\\SRC\\gone.ttf"));
    ui.Answer(kIdAbort);
    PasteIntoTemporary(tempPane);
    EXPECT_TRUE(app->m_tempList->IsEmpty());
    EXPECT_EQ(NoticeSequence(), before + 1);
}

} // namespace
