// The four writers on a report built by hand: every byte checked.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "report/Report.h"

namespace {

using namespace mirel::report;

// Two sections split by net, a right-aligned count, a cut title and a cell to blank.
Report Sample() {
  Report report;
  report.reportName = "Nets <&>";
  report.design = "demo";
  report.date = "2026-12-11";
  report.sectioned = true;
  report.columns = {{"NET_NAME", "", "Net", 6, Alignment::kLeft, false},
                    {"PROP", "COST", "Unit, \"Cost\"", 8, Alignment::kRight, true},
                    {"REFDES", "", "Parts on %NET_NAME%", 5, Alignment::kCenter, false},
                    {"VALUE", "", "Hidden in text", 0, Alignment::kLeft, false}};
  report.titles = {"Net", "Unit, \"Cost\"", "Parts on Net", "Hidden in text"};
  report.sections = {{"GND", {"Net", "Unit, \"Cost\"", "Parts on GND", "Hidden in text"},
                      {{{"GND", false}, {"1.5", false}, {"R1", false}, {"x", false}},
                       {{"GND", true}, {"2", false}, {"C1", false}, {"x", true}}}},
                     {"VCC", {"Net", "Unit, \"Cost\"", "Parts on VCC", "Hidden in text"},
                      {{{"VCC", false}, {"", false}, {"U1.1-U1.3", false}, {"", false}}}}};
  report.totals = {"Total", "3.5", "", ""};
  return report;
}

TEST(TextWriterTest, PadsByAlignmentCutsWithATildeAndLeavesWidthZeroOut) {
  EXPECT_EQ(WriteReport(Sample(), Format::kText),
            "\n"
            "Net    Unit, \"~ Part~\n"
            "GND         1.5  R1\n"
            "              2  C1\n"
            "\n"
            "Net    Unit, \"~ Part~\n"
            "VCC             U1.1~\n"
            "Total       3.5\n");
}

TEST(TextWriterTest, TheTitlePageComesFirstEndedByALineEnd) {
  Report report = Sample();
  report.titlePage = "Board X";
  EXPECT_EQ(WriteReport(report, Format::kText).substr(0, 9), "Board X\n\n");
}

TEST(TextWriterTest, CharactersAreCountedNotBytes) {
  Report report;
  report.columns = {{"VALUE", "", "Wert", 4, Alignment::kCenter, false}};
  report.titles = {"Wert"};
  report.sections = {{"", {"Ω"}, {{{"4k7Ω", false}}, {{"10kΩx", false}}}}};
  EXPECT_EQ(WriteReport(report, Format::kText), "\n Ω\n4k7Ω\n10k~\n");
}

TEST(TextWriterTest, AHugeWidthPadsNoFurtherThanAPage) {
  Report report;
  report.columns = {{"REFDES", "", "Ref", 2000000000, Alignment::kRight, false}};
  report.titles = {"Ref"};
  report.sections = {{"", {"Ref"}, {}}};
  EXPECT_EQ(WriteReport(report, Format::kText), "\n" + std::string(4093, ' ') + "Ref\n");
}

TEST(CsvWriterTest, QuotesOnlyWhatNeedsItAndNeverBlanks) {
  EXPECT_EQ(WriteReport(Sample(), Format::kCsv),
            "Section,Net,\"Unit, \"\"Cost\"\"\",Parts on Net,Hidden in text\r\n"
            "GND,GND,1.5,R1,x\r\n"
            "GND,GND,2,C1,x\r\n"
            "VCC,VCC,,U1.1-U1.3,\r\n"
            ",Total,3.5,,\r\n");
}

TEST(CsvWriterTest, WithoutSectionsThereIsNoSectionColumn) {
  Report report;
  report.columns = {{"REFDES", "", "Ref", 5, Alignment::kLeft, false}};
  report.titles = {"Ref"};
  report.sections = {{"", {"Ref"}, {{{"line\nbreak", false}}}}};
  EXPECT_EQ(WriteReport(report, Format::kCsv), "Ref\r\n\"line\nbreak\"\r\n");
}

TEST(HtmlWriterTest, EscapesEveryTextAndBlanksAsTextDoes) {
  const std::string html = WriteReport(Sample(), Format::kHtml);
  EXPECT_NE(html.find("<title>Nets &lt;&amp;&gt;</title>"), std::string::npos);
  EXPECT_NE(html.find("Variant: default"), std::string::npos);
  EXPECT_NE(html.find("Date: 2026-12-11"), std::string::npos);
  EXPECT_NE(html.find("<caption>GND</caption>"), std::string::npos);
  EXPECT_NE(html.find("<th class=\"r\">Unit, &quot;Cost&quot;</th>"), std::string::npos);
  EXPECT_NE(html.find("<tr><td></td><td class=\"r\">2</td><td class=\"c\">C1</td><td></td></tr>"), std::string::npos)
      << "blanked cells";
  EXPECT_NE(html.find("<tfoot><tr><td>Total</td><td class=\"r\">3.5</td>"), std::string::npos);
  EXPECT_EQ(html.find("<tfoot>"), html.rfind("<tfoot>")) << "the Total row once, in the last table";
  EXPECT_GT(html.find("<tfoot>"), html.find("<caption>VCC</caption>"));
  EXPECT_EQ(html.find("http"), std::string::npos) << "no external resources";
  EXPECT_EQ(html.find("<script"), std::string::npos);
}

TEST(JsonWriterTest, OneLineKeysInOrderCellsInFull) {
  const std::string json = WriteReport(Sample(), Format::kJson);
  EXPECT_EQ(json.find('\n'), json.size() - 1);
  EXPECT_EQ(json,
            R"({"format":"mirel-report","formatVersion":1,"reportName":"Nets <&>","design":"demo","variant":"",)"
            R"("columns":[{"keyword":"NET_NAME","title":"Net","alignment":"LEFT"},)"
            R"({"keyword":"PROP","property":"COST","title":"Unit, \"Cost\"","alignment":"RIGHT"},)"
            R"({"keyword":"REFDES","title":"Parts on %NET_NAME%","alignment":"CENTER"},)"
            R"({"keyword":"VALUE","title":"Hidden in text","alignment":"LEFT"}],)"
            R"("sections":[{"title":"GND","rows":[["GND","1.5","R1","x"],["GND","2","C1","x"]]},)"
            R"({"title":"VCC","rows":[["VCC","","U1.1-U1.3",""]]}],"totals":["Total","3.5","",""]})"
            "\n");
}

TEST(JsonWriterTest, TextThatIsNotUtf8IsReplacedNotRefused) {
  Report report;
  report.reportName = "bad \xFF byte";
  report.sections = {{"", {}, {}}};
  EXPECT_TRUE(nlohmann::json::accept(WriteReport(report, Format::kJson)));
}

TEST(FormatTest, NamesInAnyCase) {
  EXPECT_EQ(FormatFromName("CSV"), Format::kCsv);
  EXPECT_EQ(FormatFromName("html"), Format::kHtml);
  EXPECT_EQ(FormatFromName("xml"), std::nullopt);
}

}  // namespace
