#pragma once
// Steps 2 to 7 of a run: from the rows step 1 made to the report's sections: rows removed,
// sorted, totalled, gathered into sections, duplicate cells marked and ranges written.
#include <string>
#include <string_view>
#include <vector>

#include "hostapi/templatedata.h"
#include "report/Plan.h"
#include "report/Report.h"
#include "report/Rows.h"

namespace mirel::report {

// Fills the report's columns, titles, sections and totals.
void Arrange(const Plan& plan, const CTemplateData& data, std::vector<Row> rows, Report& report);

// Runs of three or more consecutive numbers with the same prefix and nothing after the number,
// in a cell of values joined by ", ", written "R1-R3"; shorter runs and other values stay.
std::string CollapseRanges(std::string_view cell);

// Step 3's order of two cells: an empty cell after any other, a number before a text, numbers
// by value then as text, texts in natural order then by exact text.
int CompareCells(std::string_view a, std::string_view b);

}  // namespace mirel::report
