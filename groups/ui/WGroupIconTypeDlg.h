#pragma once
// "Group Icon Type": how the icon made by Create Group Icon installs its group.
#include "dialogs/WDialog.h"

class WGroupIconTypeDlg : public WProdDialog {
    Q_OBJECT
public:
    explicit WGroupIconTypeDlg(QWidget* parent = nullptr);

    // 1 install permanently, 2 temporarily, 3 ask before installing.
    int m_nIconType = 2;

    bool OnCommand(unsigned id) override;

protected:
    void OnInitDialog() override;
};
