#include "startup/startup.h"

#include "hostapi/errorhandler.h"
#include "hostapi/zrcontrols.h"
#include "resources/library_resources.h"

extern "C" int InitMirelDll() {
  mirel::AddResourceModule(mirel::LibraryResources());  // a second call finds it there already
  InitZRControlsDll();
  return CZRErrorHandler::LoadMessageFile("tdd/crpterrors.txt");
}

extern "C" void TermMirelDll() { mirel::RemoveResourceModule(mirel::LibraryResources()); }
