#pragma once
// The library's own resources (dialog templates, the Edit menu, string table, bitmap) as one
// module of the resource chain. Start-up adds it with mirel::AddResourceModule(
// mirel::LibraryResources()) and removes it at unload.
//
// Adding a resource is one new source file in resources/, e.g. resources/dialog_1081.cpp:
//
//   #include "resources/library_resources.h"
//   MIREL_RESOURCE(dialog_1081) {
//     module.AddDialog({...});
//   }
//
// The build finds every MIREL_RESOURCE(name) in resources/*.cpp and calls them all when the
// module is first used, so nothing depends on static initialisation or on the linker keeping
// an unreferenced object file. Each name must be unique.
#include "platform/mfc/resource.h"

#define MIREL_RESOURCE(name) void MirelResource_##name(::mirel::ResourceModule& module)

namespace mirel {
const ResourceModule& LibraryResources();
}
