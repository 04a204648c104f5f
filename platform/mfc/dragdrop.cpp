#include "platform/mfc/dragdrop.h"

#include "platform/mfc/wnd.h"

namespace mirel {

DROPEFFECT DoDragDrop(const DropData& data, DROPEFFECT allowed, CWnd& target, CPoint point, DWORD keyState) {
  IDropTarget* dropTarget = target.GetDropTarget();
  if (!dropTarget || !target.m_hWnd) return DROPEFFECT_NONE;
  dropTarget->OnDragEnter(target, data, keyState, point);
  DROPEFFECT effect = dropTarget->OnDragOver(target, data, keyState, point) & allowed & ~DROPEFFECT_SCROLL;
  if (effect == DROPEFFECT_NONE) {
    dropTarget->OnDragLeave(target);
    return DROPEFFECT_NONE;
  }
  // One effect is carried out: copy before move before link.
  if (effect & DROPEFFECT_COPY) {
    effect = DROPEFFECT_COPY;
  } else if (effect & DROPEFFECT_MOVE) {
    effect = DROPEFFECT_MOVE;
  } else {
    effect = DROPEFFECT_LINK;
  }
  return dropTarget->OnDrop(target, data, effect, point) ? effect : DROPEFFECT_NONE;
}

}  // namespace mirel
