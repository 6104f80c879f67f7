#include "groups/ui/WInstallGroupDlg.h"

#include "app/ui/QtUiPort.h"
#include "dialogs/WHelp.h"
#include "resources/resource.h"
#include "resources/ui/QtResources.h"

#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QTreeWidget>
#include <algorithm>

namespace {

constexpr uint32_t kHelpContext = 19;
constexpr int kStateImageWidth = 15;
constexpr int kRowRole = Qt::UserRole + 1;

} // namespace

WInstallGroupDlg::WInstallGroupDlg(const FontGroup* group, QWidget* parent)
    : WProdDialog(IDD_INSTALL_GROUP, IDR_GROUP_DLG_MENU, {{IDC_GROUP_FONTS, 0}}, false, parent),
      m_pGroup(group) {}

QTreeWidget* WInstallGroupDlg::FontList() const {
    return qobject_cast<QTreeWidget*>(GetDlgItem(IDC_GROUP_FONTS));
}

void WInstallGroupDlg::OnInitDialog() {
    if (!m_pGroup) return;
    if (auto* label = qobject_cast<QLabel*>(GetDlgItem(IDC_GROUP_NAME)))
        label->setText(label->text().left(127) + FromAnsi(m_pGroup->m_strName));

    QTreeWidget* list = FontList();
    if (!list) return;
    list->setObjectName(QStringLiteral("groupFonts"));
    list->setColumnCount(1);
    list->setIndentation(0);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(QHeaderView::Fixed);
    // The selection stays as visible as with the focus.
    QPalette palette = list->palette();
    palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                     palette.brush(QPalette::Active, QPalette::Highlight));
    palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                     palette.brush(QPalette::Active, QPalette::HighlightedText));
    list->setPalette(palette);
    m_pImages = LoadImageList(IDB_INSTALL_STATES, kStateImageWidth, QColor(0, 0, 255));
    list->setIconSize(QSize(kStateImageWidth, kStateImageWidth));

    m_rows = InstallGroupRows(*m_pGroup);
    int widest = 0;
    const QFontMetrics metrics(list->font());
    for (size_t i = 0; i < m_rows.size(); ++i) {
        auto* item = new QTreeWidgetItem(list, QStringList(FromAnsi(m_rows[i].text)));
        item->setData(0, kRowRole, static_cast<qulonglong>(i));
        if (m_rows[i].state < m_pImages.size()) item->setIcon(0, m_pImages[m_rows[i].state]);
        widest = std::max(widest, metrics.horizontalAdvance(item->text(0)));
    }
    // The text's width and room for the state image; never less than Qt needs for the whole row.
    list->resizeColumnToContents(0);
    list->header()->resizeSection(0, std::max(widest + 25, list->columnWidth(0)));
    if (QTreeWidgetItem* first = list->topLevelItem(0)) {
        list->setFocus();
        list->setCurrentItem(first);
        first->setSelected(true);
    }
}

void WInstallGroupDlg::Choose(InstallGroupButton button) {
    std::vector<bool> selected(m_rows.size(), false);
    m_pSelected.clear();
    if (QTreeWidget* list = FontList())
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = list->topLevelItem(i);
            const auto row = static_cast<size_t>(item->data(0, kRowRole).toULongLong());
            if (item->isSelected() && row < selected.size()) {
                selected[row] = true;
                m_pSelected.push_back(m_rows[row].font);
            }
        }
    // The list keeps the rows' order, so the choice follows the list from the top.
    m_choice = InstallGroupAnswer(button, m_rows, selected);
    m_nInstallMode = m_choice.installMode;
}

bool WInstallGroupDlg::OnCommand(unsigned id) {
    switch (id) {
    case IDC_LAUNCH:
        done(IDC_LAUNCH);
        return true;
    case IDC_ADD_TEMP:
    case IDC_ADD_PERM:
        Choose(id == IDC_ADD_PERM ? InstallGroupButton::AddPerm : InstallGroupButton::AddTemp);
        done(IDOK_BUTTON);
        return true;
    case ID_HELP:
        help::ShowContext(this, kHelpContext);
        return true;
    case ID_GRP_SELECT_ALL:
        if (QTreeWidget* list = FontList()) list->selectAll();
        return true;
    default:
        return WProdDialog::OnCommand(id);
    }
}

platform::InstallGroupChoice WInstallGroupDlg::Choice(int result) const {
    if (result == IDOK_BUTTON) return m_choice;
    return InstallGroupAnswer(result == IDC_LAUNCH ? InstallGroupButton::Launch : InstallGroupButton::Cancel,
                              m_rows, {});
}
