#pragma once
// The mirel-design file: its text, read strictly and written so that reading and writing again
// gives the same bytes, and saving it whole or not at all.
#include <string>
#include <string_view>

#include "design/Design.h"

namespace mirel::design {

inline constexpr int kDesignFormatVersion = 1;

// The file text; false with error when a text is not valid UTF-8 (it could not be read back).
bool DesignToText(const Design& design, std::string& text, std::string& error);

// Reads a file text into design (linked) or gives error: "<name>: line L, column C: ..." for a
// syntax fault, "<name>: /components/3/part: ..." for a value that is wrong or does not resolve.
// On failure design is left as it was.
bool DesignFromText(std::string_view text, const std::string& name, Design& design, std::string& error);

// Writes the design atomically; on failure the target is as it was.
bool SaveDesignFile(const Design& design, const std::string& path, std::string& error);

}  // namespace mirel::design
