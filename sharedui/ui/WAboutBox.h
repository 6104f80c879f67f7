#pragma once
// The About box (opened from Help) and the System Info dialog it opens.
#include "sharedui/aboutimp.h"

#include <QDialog>
#include <QStyledItemDelegate>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

class WAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit WAboutBox(const AboutRecord& record, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* AddLine(const char* name, const std::string& text, Qt::Alignment align = Qt::AlignLeft);

    AboutRecord m_record;
    QLabel* m_pIcon = nullptr;
    class QVBoxLayout* m_pLines = nullptr;
};

// Draws a list line's tab-separated fields at the category's tab stops (in dialog units).
class WTabStopDelegate : public QStyledItemDelegate {
public:
    explicit WTabStopDelegate(QObject* parent) : QStyledItemDelegate(parent) {}
    void SetTabStops(std::vector<int> stops) { m_stops = std::move(stops); }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int TabX(size_t i, int lastX) const;
    std::vector<int> m_stops;
};

class WSystemInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit WSystemInfoDlg(QWidget* parent = nullptr);

    void SelectCategory(int category);
    int Category() const;
    QStringList Lines() const;
    // Writes "sysinfo.txt" and says so in a box; 1 when written.
    int Save();
    // The display as Qt sees it.
    static DisplayFacts ScreenFacts();

private:
    void Fill(int category);

    QComboBox* m_pCategory = nullptr;
    QListWidget* m_pList = nullptr;
    WTabStopDelegate* m_pDelegate = nullptr;
    SysInfoSources m_sources;
};

// Modal; return when the user closes them.
void ShowAboutBox(const AboutRecord& record);
void ShowSystemInfo(QWidget* owner);
