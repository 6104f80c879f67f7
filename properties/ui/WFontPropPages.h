#pragma once
// The three pages of the Font Properties sheet and the character grid of the last one.
#include "dialogs/WSheet.h"
#include "platform/gdi.h"
#include "properties/PropSheetLogic.h"
#include "properties/ui/PageFont.h"
#include "properties/ui/WGridPicker.h"

#include <QString>
#include <memory>

class FontItem;
class QComboBox;
class QLabel;
class QListWidget;
class WFontPropSheet;

// Sample: the sentence in the font at the chosen size.
class WPage0 : public WProdPage {
    Q_OBJECT
public:
    explicit WPage0(WFontPropSheet* sheet);
    ~WPage0() override;

    int PointSize() const { return m_nPointSize; }
    const platform::LOGFONTA& SampleLogFont() const { return m_sampleFont; }
    bool OwnInstall() const { return m_ownInstall.ownInstall != 0; }
    QComboBox* SizeBox() const;
    QRect SampleArea() const;

protected:
    void OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplySize();
    void OnSizeEdited(const QString& text);

    WFontPropSheet* m_pSheet;
    FontItem* m_pItem = nullptr;
    QString m_strSample;
    platform::LOGFONTA m_sampleFont{};
    int m_nPointSize = 18;
    FaceLookupInstall m_ownInstall;
};

// Info: the facts of the font as lines.
class WPage1 : public WProdPage {
    Q_OBJECT
public:
    explicit WPage1(WFontPropSheet* sheet);
    QListWidget* List() const;
    QStringList Lines() const;

protected:
    void OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    WFontPropSheet* m_pSheet;
};

class WPage2;

// The grid of the Character Set page: each cell a character of the font; the labels follow the
// mouse and the current cell.
class WCharGrid : public WGridPicker {
    Q_OBJECT
public:
    explicit WCharGrid(WPage2* page);
    void SetCellFont(const platform::LOGFONTA& lf);
    void DrawSelection(int item, bool on) override;
    void NotifyHover(int item) override;

protected:
    void DrawCell(QPainter& painter, int item, const QRect& cell) override;
    void CurrentCleared() override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    WPage2* m_pPage;
    std::unique_ptr<PageFont> m_pFont;
    int m_nLastChar = -1;
    QPoint m_lastMouse{-1, -1};
};

// Character Set: every character of the font in the grid.
class WPage2 : public WProdPage {
    Q_OBJECT
public:
    explicit WPage2(WFontPropSheet* sheet);
    ~WPage2() override;

    int FirstCode() const { return m_nFirstCode; }
    int LastCode() const { return m_nLastCode; }
    WCharGrid* Grid() const { return m_pGrid; }
    QString NameText() const { return m_strName; }
    QString CodeText() const { return m_strCode; }
    void SetLabels(const QString& name, const QString& code);
    bool OwnInstall() const { return m_ownInstall.ownInstall != 0; }
    const platform::LOGFONTA& CellLogFont() const { return m_cellFont; }

protected:
    void OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    WFontPropSheet* m_pSheet;
    FontItem* m_pItem = nullptr;
    WCharGrid* m_pGrid = nullptr;
    platform::LOGFONTA m_cellFont{};
    QString m_strName, m_strCode;
    int m_nFirstCode = 33, m_nLastCode = 255;
    FaceLookupInstall m_ownInstall;
};
