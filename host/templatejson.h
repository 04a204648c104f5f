#pragma once
// The template ("mirel-template") and user-defined column ("mirel-custom-column") file texts.
#include <string>
#include <string_view>

#include "hostapi/templatedata.h"

namespace mirel {

inline constexpr int kTemplateFormatVersion = 1;
inline constexpr int kCustomColumnFormatVersion = 1;

// The file text; false with error when a text field is not valid UTF-8 (it could not be read back).
bool TemplateToText(const CTemplateData& data, std::string& text, std::string& error);
bool CustomColumnToText(const CCustomColData& data, std::string& text, std::string& error);

// Reads a file text into data (replacing its content) or gives error, naming the line and column
// or the field. "name" is the file named in error; on failure data is left as it was.
bool TemplateFromText(std::string_view text, const std::string& name, CTemplateData& data, std::string& error);
bool CustomColumnFromText(std::string_view text, const std::string& name, CCustomColData& data,
                          std::string& error);

}  // namespace mirel
