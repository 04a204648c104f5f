#include "platform/mfc/backend.h"

namespace mirel {
namespace {
IWindowBackend* g_backend = nullptr;
}

IWindowBackend* WindowBackend() { return g_backend; }
void SetWindowBackend(IWindowBackend* backend) { g_backend = backend; }

SIZE DefaultDialogBaseUnits(int pointSize) {
  if (pointSize <= 0) pointSize = 8;
  return SIZE{(6 * pointSize + 4) / 8, (13 * pointSize + 4) / 8};
}

}  // namespace mirel
