#pragma once
// The library's entry point and the static tables it sets up.
#include <array>

// Initialises the library once, after loading and before any exported class is constructed:
// adds the library's resources to the resource chain, initialises the controls library and
// loads the message texts "tdd/crpterrors.txt". Returns the message service's load result
// (1 loaded, 0 not; the library works either way, showing codes and arguments).
// On Windows this was the standard-call export _InitMirelDll@0; that decorated name means
// nothing on Linux, where the plain C name is the entry.
extern "C" int InitMirelDll();

// The unload half: takes the library's resources out of the chain again.
extern "C" void TermMirelDll();

namespace mirel {

// Template structures by index: 0 design based, 1 block based.
inline constexpr std::array<const char*, 2> kStructureNames{"DesignBased", "BlockBased"};

// The query grid's row labels; index 0 is row 1.
inline constexpr std::array<const char*, 11> kRowLabels{
    "Keyword", "Dependency", "Qualifier", "Qualifier Value", "Total", "Title",
    "View Order", "Sort Order", "Width", "Alignment", "Visible"};

}  // namespace mirel
