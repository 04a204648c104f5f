#pragma once
// Saving without ever leaving a half-written file: the content goes to a temporary file beside
// the target, is flushed to disk and then renamed over the target in one step.
#include <string>
#include <string_view>

namespace mirel {

// True when the whole content is in place; otherwise false, the target untouched, no temporary
// file left behind, and error saying why.
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& error);

}  // namespace mirel
