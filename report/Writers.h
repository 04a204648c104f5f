#pragma once
// The four writers of a report; Write.cpp picks one by format.
#include <string>

#include "report/Report.h"

namespace mirel::report {

std::string WriteText(const Report& report);
std::string WriteCsv(const Report& report);
std::string WriteHtml(const Report& report);
std::string WriteJson(const Report& report);

std::string_view AlignmentName(Alignment alignment);  // "LEFT", "CENTER", "RIGHT"

}  // namespace mirel::report
