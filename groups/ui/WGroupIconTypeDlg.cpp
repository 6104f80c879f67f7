#include "groups/ui/WGroupIconTypeDlg.h"

#include "dialogs/WHelp.h"
#include "resources/resource.h"

#include <QRadioButton>

namespace {

constexpr uint32_t kHelpContext = 26;

} // namespace

WGroupIconTypeDlg::WGroupIconTypeDlg(QWidget* parent)
    : WProdDialog(IDD_GROUP_ICON_TYPE, 0, {}, false, parent) {}

void WGroupIconTypeDlg::OnInitDialog() {
    const struct {
        unsigned id;
        int mode;
    } radios[] = {{IDC_ICON_PERMANENT, 1}, {IDC_ICON_TEMPORARY, 2}, {IDC_ICON_ASK, 3}};
    for (const auto& r : radios) {
        auto* radio = qobject_cast<QRadioButton*>(GetDlgItem(r.id));
        if (!radio) continue;
        const int mode = r.mode;
        connect(radio, &QRadioButton::clicked, this, [this, radio, mode] {
            if (radio->isChecked()) m_nIconType = mode;
        });
    }
    if (auto* temporary = qobject_cast<QRadioButton*>(GetDlgItem(IDC_ICON_TEMPORARY)))
        temporary->setChecked(true);
    m_nIconType = 2;
}

bool WGroupIconTypeDlg::OnCommand(unsigned id) {
    if (id == ID_HELP) {
        help::ShowContext(this, kHelpContext);
        return true;
    }
    return WProdDialog::OnCommand(id);
}
