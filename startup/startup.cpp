#include "startup/startup.h"

#include "hostapi/errorhandler.h"
#include "hostapi/zrcontrols.h"
#if MIREL_WITH_RESOURCES
#include "resources/library_resources.h"
#endif

extern "C" int InitMirelDll() {
#if MIREL_WITH_RESOURCES
  mirel::AddResourceModule(mirel::LibraryResources());  // a second call finds it there already
#endif
  InitZRControlsDll();
  return CZRErrorHandler::LoadMessageFile("tdd/crpterrors.txt");
}

extern "C" void TermMirelDll() {
#if MIREL_WITH_RESOURCES
  mirel::RemoveResourceModule(mirel::LibraryResources());
#endif
}
