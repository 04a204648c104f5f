// Odd templates and designs: a clear result, a clear refusal, never a crash or a hang.
#include <gtest/gtest.h>

#include <memory>

#include "design_builder.h"
#include "template_builder.h"

namespace {

using namespace reporttest;
using mirel::report::RunOptions;
using mirel::report::RunResult;
using mirel::report::RunTemplate;

d::Design Resistors(int count) {
  DesignBuilder b;
  b.Part("Device:R");
  for (int i = 1; i <= count; ++i) b.Component("R" + std::to_string(i), "Device:R", "10k");
  return b.Build();
}

TEST(QualifierInputTest, AnInvalidExpressionStopsTheRunNamingTheColumnAndTheValue) {
  TemplateBuilder t;
  t.Column("REFDES", "", "Ref").Qualify("PREFIX", {"R", "C(("});
  const RunResult result = RunTemplate(t.Data(), Resistors(2), {});
  EXPECT_FALSE(result.report);
  EXPECT_NE(result.error.find("column 1 (REFDES, \"Ref\")"), std::string::npos) << result.error;
  EXPECT_NE(result.error.find("\"C((\""), std::string::npos) << result.error;
}

TEST(QualifierInputTest, AHugeExpressionRunsOrIsRefusedAndAMatchAllKeepsEverything) {
  TemplateBuilder huge;
  huge.Column("REFDES").Qualify("PREFIX", {"(" + std::string(10000, 'a') + ")*R"});
  const RunResult result = RunTemplate(huge.Data(), Resistors(3), {});
  if (result.report) EXPECT_EQ(Cells(*result.report).size(), 3u);
  else EXPECT_NE(result.error.find("REFDES"), std::string::npos);

  TemplateBuilder all;
  all.Column("REFDES").Qualify("PREFIX", {".*"}).Column("VALUE", "REFDES");
  EXPECT_EQ(Cells(RunReport(all.Data(), Resistors(3))).size(), 3u);
}

TEST(QualifierInputTest, ValuesAreMatchedWithoutRegardToCaseAndInFullUnlessAPrefix) {
  TemplateBuilder t;
  t.Column("REFDES").Qualify("<PROPERTY>", {"rc-1.*"}, "<PROPERTY>");
  t.Data().m_queries.back()->m_qualifierText = "MPN";
  DesignBuilder b;
  b.Part("Device:R");
  b.Component("R1", "Device:R", "10k", {{"MPN", "RC-10K"}});
  b.Component("R2", "Device:R", "10k", {{"MPN", "XRC-10K"}});
  b.Component("R3", "Device:R", "10k");
  EXPECT_EQ(Cells(RunReport(t.Data(), b.Build())), (Table{{"R1"}}));
}

TEST(QualifierInputTest, APropertyQualifierWithoutValuesKeepsWhatHasTheProperty) {
  TemplateBuilder t;
  t.Column("REFDES").Qualify("<PROPERTY>", {""}, "<PROPERTY>");
  t.Data().m_queries.back()->m_qualifierText = "MPN";
  DesignBuilder b;
  b.Part("Device:R");
  b.Component("R1", "Device:R", "10k", {{"MPN", "RC-10K"}});
  b.Component("R2", "Device:R", "10k");
  EXPECT_EQ(Cells(RunReport(t.Data(), b.Build())), (Table{{"R1"}}));
}

TEST(TemplateInputTest, AKeywordTheEngineDoesNotKnowGivesEmptyCellsAndOneWarning) {
  TemplateBuilder t;
  t.Column("REFDES").Column("SUPPLIER_STOCK", "REFDES").Column("SUPPLIER_STOCK", "REFDES");
  const RunResult result = RunTemplate(t.Data(), Resistors(2), {});
  ASSERT_TRUE(result.report);
  EXPECT_EQ(Cells(*result.report), (Table{{"R1", "", ""}, {"R2", "", ""}}));
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_NE(result.warnings[0].find("SUPPLIER_STOCK"), std::string::npos);

  TemplateBuilder binding;  // as a binding column: one row with an empty cell
  binding.Column("SUPPLIER_STOCK").Column("REFDES", "SUPPLIER_STOCK");
  EXPECT_EQ(Cells(RunReport(binding.Data(), Resistors(2))), (Table{{"", "R1, R2"}}));
}

TEST(TemplateInputTest, ADependencyThatNamesNoColumnOrGoesRoundIsRefused) {
  TemplateBuilder missing;
  missing.Column("REFDES").Column("VALUE", "PART_NUMBER");
  RunResult result = RunTemplate(missing.Data(), Resistors(1), {});
  EXPECT_FALSE(result.report);
  EXPECT_NE(result.error.find("PART_NUMBER names no column"), std::string::npos) << result.error;

  TemplateBuilder cycle;
  cycle.Column("REFDES", "VALUE").Column("VALUE", "REFDES");
  result = RunTemplate(cycle.Data(), Resistors(1), {});
  EXPECT_FALSE(result.report);
  EXPECT_NE(result.error.find("do not lead to the root"), std::string::npos) << result.error;
}

TEST(TemplateInputTest, AnEmptyTemplateAndAnEmptyDesignGiveAnEmptyReport) {
  TemplateBuilder none;
  const mirel::report::Report nothing = RunReport(none.Data(), Resistors(1));
  ASSERT_EQ(nothing.sections.size(), 1u);
  EXPECT_TRUE(nothing.columns.empty());

  TemplateBuilder bom;
  bom.Column("PART_NUMBER").Column("QUANTITY", "PART_NUMBER").Total().Column("REFDES", "PART_NUMBER");
  const mirel::report::Report empty = RunReport(bom.Data(), DesignBuilder().Build());
  EXPECT_TRUE(Cells(empty).empty());
  EXPECT_EQ(empty.totals, (std::vector<std::string>{"Total", "", ""})) << "no number: an empty total";
}

TEST(TemplateInputTest, UserDefinedColumnsAreExpandedInPlaceTheirRootSubColumnsTakingTheirDependency) {
  CCustomColData partInfo;
  partInfo.m_name = "PARTINFO";
  for (const char* keyword : {"VALUE", "MANUFACTURER"}) {
    auto* sub = new CTmpltQuery;
    sub->m_keyword = keyword;
    sub->m_title = keyword;
    sub->m_viewOrder = sub->m_sortOrder = int(partInfo.m_queries.size()) + 1;
    sub->m_width = 10;
    sub->m_visible = true;
    partInfo.m_queries.push_back(sub);
  }
  TemplateBuilder t;
  t.Column("PART_NUMBER").Column("PARTINFO", "PART_NUMBER", "Info").Column("QUANTITY", "PART_NUMBER");
  RunOptions options;
  options.userColumn = [&](std::string_view name) { return name == "partinfo" || name == "PARTINFO" ? &partInfo : nullptr; };
  DesignBuilder b;
  b.Part("Device:R");
  b.Component("R1", "Device:R", "10k", {{"MPN", "RC-10K"}, {"Manufacturer", "Yageo"}});
  const mirel::report::Report report = RunReport(t.Data(), b.Build(), options);
  EXPECT_EQ(report.titles, (std::vector<std::string>{"PART_NUMBER", "VALUE", "MANUFACTURER", "QUANTITY"}));
  EXPECT_EQ(Cells(report), (Table{{"RC-10K", "10k", "Yageo", "1"}}));
}

TEST(DesignInputTest, ManyComponentsOnOneNetStayLinear) {
  // One net over 20,000 pins, listed per component: each row's scope is found, not searched.
  DesignBuilder b;
  b.Part("Device:R");
  std::initializer_list<std::string> none;
  d::Net& net = b.Net("GND", none);
  for (int i = 1; i <= 10000; ++i) {
    const std::string refdes = "R" + std::to_string(i);
    b.Component(refdes, "Device:R", "10k");
    net.nodes.push_back({refdes, "1", "", ""});
    net.nodes.push_back({refdes, "2", "", ""});
  }
  TemplateBuilder t;
  t.Column("NET_NAME").Column("REFDES", "NET_NAME").Column("PIN_NUMBER", "REFDES");
  const Table cells = Cells(RunReport(t.Data(), b.Build()));
  ASSERT_EQ(cells.size(), 10000u);
  EXPECT_EQ(cells[9999], (std::vector<std::string>{"GND", "R10000", "1, 2"}));
}

}  // namespace
