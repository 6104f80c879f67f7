#include "install/DragDrop.h"

#include "app/GroupJob.h"
#include "app/WFontMgrApp.h"
#include "groups/GroupIcon.h"
#include "groups/GroupPane.h"
#include "install/batches.h"
#include "platform/broadcast.h"

int DropDraggedFonts(DragState& drag, DropTarget target, DropPanes& panes) {
    int flags = 0;
    {
        platform::WaitCursor wait(TheApp().Ui());
        switch (target) {
        case DropTarget::Nothing:
        case DropTarget::Source:
            break;
        case DropTarget::Desktop:
            // Only a whole group becomes an icon; a single font dropped there does nothing.
            if (drag.m_nSource == DRAG_FROM_GROUPS && drag.m_pDragGroup &&
                !drag.m_pDragGroup->m_strName.empty()) {
                GroupJob job;
                job.m_nMode = 3;
                PlaceGroupIcon(job, drag.m_pDragGroup->m_strName);
            }
            break;
        case DropTarget::Permanent:
            flags = DropOnPermanent(drag, panes.owner);
            break;
        case DropTarget::Temporary:
            flags = DropOnTemporary(drag, panes.owner);
            break;
        case DropTarget::Groups:
            if (panes.groups && panes.highlighted)
                flags = panes.groups->AddDraggedToGroup(drag, panes.highlighted);
            break;
        }
        if (flags & DROP_PERM_CHANGED) panes.perm.Refill();
        if (flags & DROP_TEMP_CHANGED) panes.temp.Refill();
        if (flags & (DROP_PERM_CHANGED | DROP_TEMP_CHANGED)) platform::PostFontChange();
    }
    drag.Reset();
    return flags;
}
