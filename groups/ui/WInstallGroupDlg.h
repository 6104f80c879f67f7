#pragma once
// "Install Font Group": the fonts of a group with their install state; the user picks fonts and
// installs them temporarily or permanently, opens the main window instead, or cancels.
#include "dialogs/WDialog.h"
#include "groups/InstallGroupModel.h"
#include "platform/ui.h"

#include <QIcon>
#include <QList>
#include <vector>

class QTreeWidget;

class WInstallGroupDlg : public WProdDialog {
    Q_OBJECT
public:
    explicit WInstallGroupDlg(const FontGroup* group, QWidget* parent = nullptr);

    // The fonts chosen by Add Temp or Add Perm, in the list's order; they belong to the group.
    std::vector<const FontItem*> m_pSelected;
    // 1 permanent (Add Perm), 2 temporary (Add Temp, and before either was pressed).
    int m_nInstallMode = 2;

    QTreeWidget* FontList() const;
    // The dialog's answer for the result of its modal run.
    platform::InstallGroupChoice Choice(int result) const;

    bool OnCommand(unsigned id) override;

protected:
    void OnInitDialog() override;

private:
    void Choose(InstallGroupButton button);

    const FontGroup* m_pGroup;
    std::vector<InstallGroupRow> m_rows;
    QList<QIcon> m_pImages;
    platform::InstallGroupChoice m_choice;
};
