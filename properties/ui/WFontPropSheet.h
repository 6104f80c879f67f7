#pragma once
// The Font Properties sheet: one font in the Sample, Info and Character Set pages, modeless, with
// its own Print and Close buttons left of Help.
#include "dialogs/WSheet.h"
#include "properties/PropSheetLogic.h"

#include <QPixmap>
#include <string>

class FontItem;
class QPushButton;
class WPage0;
class WPage1;
class WPage2;

class WFontPropSheet : public WProdSheet {
    Q_OBJECT
public:
    // Reads the font's details and takes the preview install; the item stays the pane's.
    WFontPropSheet(const QString& caption, FontItem* item, QWidget* owner);
    ~WFontPropSheet() override;

    // Checks the font file and shows the sheet modeless. When the file is missing the user may
    // abort: the sheet is then deleted at once and false is answered.
    bool ShowProperties(QWidget* owner);

    FontItem* Item() const { return m_pItem; }
    const std::string& FontName() const { return m_strFontName; }
    FontType Type() const { return m_nType; }
    QPixmap TypeIcon() const;
    WPage0* SamplePage() const { return m_pPage0; }
    WPage1* InfoPage() const { return m_pPage1; }
    WPage2* CharacterSetPage() const { return m_pPage2; }
    QPushButton* PrintButton() const { return m_pPrint; }
    QPushButton* CloseButton() const { return m_pClose; }

    bool OnCommand(unsigned id) override;

protected:
    void OnCreate() override;
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the sheet like Cancel.
    void reject() override;

private:
    // Prints what the active page shows.
    void PrintActivePage();
    QPushButton* MakeButton(unsigned textId, unsigned controlId, const ScreenRect& where);
    void ReleasePreviewOnce();

    FontItem* m_pItem;
    std::string m_strFontName;
    FontType m_nType;
    WPage0* m_pPage0;
    WPage1* m_pPage1;
    WPage2* m_pPage2;
    QPushButton* m_pPrint = nullptr;
    QPushButton* m_pClose = nullptr;
    bool m_bReleased = false;
};
