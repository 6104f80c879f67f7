#pragma once
// Test support for the install engine and batches: a fresh image, the scripted UI, an application
// object with its five lists, fake Permanently and Temporarily Installed panes, and real TrueType
// files (DejaVu) placed in the image where a test wants them.
#include "app/WFontMgrApp.h"
#include "tests/support/FakePane.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

class InstallFixture : public ::testing::Test {
protected:
    explicit InstallFixture(bool nt = false);

    // Copies a DejaVu file (by host file name) to a Windows path of the image.
    void PutTrueType(const std::string& windowsPath, const std::string& dejaVuFile = "DejaVuSans.ttf");
    // A .PFM file whose PostScript name is `postScriptName`, and a .PFB beside it unless told not to.
    void PutType1(const std::string& pfmPath, const std::string& postScriptName, bool withOutline = true);

    static std::unique_ptr<FontItem> TrueType(const std::string& fullName, const std::string& path);
    static std::unique_ptr<FontItem> Type1(const std::string& fullName, const std::string& style,
                                           const std::string& pfmPath);
    // Appends to a list and returns the font as held.
    static FontItem* Add(FontList& list, std::unique_ptr<FontItem> font) {
        return list.AddTail(std::move(font));
    }

    std::string FontsDir() const;    // the image's Fonts folder
    std::string TempFontDir() const; // the program's TempFont folder
    static int ActiveCount(const std::string& path);
    // The Fonts registry value, or "<none>".
    static std::string Registration(const std::string& valueName);
    static std::string AtmIniValue(const std::string& key);
    // The session's font-change sequence number: it goes up with every notice.
    static uint64_t NoticeSequence();

    TestImage image;
    ScriptedUi ui;
    std::unique_ptr<WFontMgrApp> app;
    FakePane permPane;
    FakePane tempPane;
};
