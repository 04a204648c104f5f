// The engine's rules, each on the smallest design that shows it.
#include <gtest/gtest.h>

#include "design_builder.h"
#include "report/Arrange.h"
#include "template_builder.h"

namespace {

using namespace reporttest;
using mirel::report::RunOptions;
using mirel::report::RunTemplate;

// R1, R2 (10k), R10 (4k7), C1 (100n) and C2 (0.1uF, the same number), U1; GND joins a pin of
// each but R2 and R10, VCC the other pins of the capacitors and U1.1.
d::Design SmallBoard() {
  DesignBuilder b;
  b.Part("Device:R").Part("Device:C").Part("MCU:U", {"1", "2", "3", "4"}, d::PinType::kInput);
  b.Component("R1", "Device:R", "10k", {{"MPN", "RC-10K"}});
  b.Component("R2", "Device:R", "10k", {{"MPN", "RC-10K"}});
  b.Component("R10", "Device:R", "4k7", {{"MPN", "RC-4K7"}});
  b.Component("C1", "Device:C", "100n", {{"MPN", "CC-100N"}});
  b.Component("C2", "Device:C", "0.1uF", {{"MPN", "CC-100N"}});
  b.Component("U1", "MCU:U", "STM32", {{"MPN", "MCU-1"}});
  b.Net("GND", {"R1.2", "C1.2", "C2.2", "U1.4"}, d::NetType::kGround);
  b.Net("VCC", {"C1.1", "C2.1", "U1.1"}, d::NetType::kPower);
  b.Net("SIG", {"R1.1", "U1.2"});
  return b.Build();
}

TEST(BindingTest, AShowingColumnJoinsItsValuesABindingOneMakesARowEach) {
  const d::Design board = SmallBoard();
  TemplateBuilder showing;
  showing.Column("PART_NUMBER").Column("REFDES", "PART_NUMBER").Column("QUANTITY", "PART_NUMBER");
  EXPECT_EQ(Cells(RunReport(showing.Data(), board)), (Table{{"CC-100N", "C1, C2", "2"},
                                                      {"MCU-1", "U1", "1"},
                                                      {"RC-4K7", "R10", "1"},
                                                      {"RC-10K", "R1, R2", "2"}}));
  // VALUE depending on REFDES makes REFDES bind: one row per component, in natural order.
  TemplateBuilder binding;
  binding.Column("PART_NUMBER").Column("REFDES", "PART_NUMBER").Sort(0).Column("VALUE", "REFDES").Sort(0);
  EXPECT_EQ(Cells(RunReport(binding.Data(), board)), (Table{{"CC-100N", "C1", "100n"},
                                                      {"CC-100N", "C2", "0.1uF"},
                                                      {"MCU-1", "U1", "STM32"},
                                                      {"RC-4K7", "R10", "4k7"},
                                                      {"RC-10K", "R1", "10k"},
                                                      {"RC-10K", "R2", "10k"}}));
}

TEST(BindingTest, TwoBindingColumnsOnOneDependencyMultiply) {
  TemplateBuilder t;
  t.Column("NET_NAME").Qualify("PREFIX", {"VCC"}).Column("REFDES", "NET_NAME").Column("PIN_NUMBER", "NET_NAME");
  t.Column("PIN_NAME", "REFDES").Column("NET_TYPE", "PIN_NUMBER");
  EXPECT_EQ(Cells(RunReport(t.Data(), SmallBoard())), (Table{{"VCC", "C1", "C1.1", "", "POWER"},
                                                        {"VCC", "C1", "C2.1", "", "POWER"},
                                                        {"VCC", "C1", "U1.1", "", "POWER"},
                                                        {"VCC", "C2", "C1.1", "", "POWER"},
                                                        {"VCC", "C2", "C2.1", "", "POWER"},
                                                        {"VCC", "C2", "U1.1", "", "POWER"},
                                                        {"VCC", "U1", "C1.1", "", "POWER"},
                                                        {"VCC", "U1", "C2.1", "", "POWER"},
                                                        {"VCC", "U1", "U1.1", "", "POWER"}}));
}

TEST(ScopeTest, NothingIsReachedBackThroughANet) {
  // GND then U2's pins: only its pin on GND, written without REFDES since REFDES is on the chain.
  TemplateBuilder t;
  t.Column("NET_NAME").Qualify("PREFIX", {"GND"}).Column("REFDES", "NET_NAME").Column("PIN_NUMBER", "REFDES");
  t.Column("PIN_COUNT", "REFDES").Column("NODE_COUNT", "NET_NAME");
  EXPECT_EQ(Cells(RunReport(t.Data(), SmallBoard())), (Table{{"GND", "C1", "2", "1", "4"},
                                                        {"GND", "C2", "2", "1", "4"},
                                                        {"GND", "R1", "2", "1", "4"},
                                                        {"GND", "U1", "4", "1", "4"}}));
}

TEST(ScopeTest, PinsAreWrittenWithTheirReferenceWhenNoRefdesColumnIsOnTheChain) {
  TemplateBuilder t;
  t.Column("NET_NAME").Qualify("PREFIX", {"G"}).Column("PIN_NUMBER", "NET_NAME");
  EXPECT_EQ(Cells(RunReport(t.Data(), SmallBoard())), (Table{{"GND", "C1.2, C2.2, R1.2, U1.4"}}));
}

// The root block holds U1; "channel" is placed twice with one resistor each and "empty" once.
d::Design Channels() {
  DesignBuilder b;
  b.Place("channel", "/ch1/", "/", 2).Place("channel", "/ch2/", "/", 3).Place("empty", "/spare/", "/", 4);
  b.Part("Device:R").Part("MCU:U", {"1", "2"});
  b.Component("U1", "MCU:U", "STM32", {{"MPN", "MCU-1"}});
  b.Component("R101", "Device:R", "10k", {{"MPN", "RC-10K"}}, 2);
  b.Component("R201", "Device:R", "10k", {{"MPN", "RC-10K"}}, 3);
  b.Net("/ch1/IN", {"R101.1", "U1.1"});
  b.Net("/ch2/IN", {"R201.1", "U1.2"});
  return b.Build();
}

TEST(ScopeTest, ACellSeesTheBindingsOfItsOwnChainOnly) {
  // QUANTITY under PART_NUMBER under BLOCK counts that part in the block; under BLOCK, the block.
  TemplateBuilder t;
  t.Column("BLOCK").Column("PART_NUMBER", "BLOCK").Column("QUANTITY", "PART_NUMBER").Column("QUANTITY", "BLOCK");
  EXPECT_EQ(Cells(RunReport(t.Data(), Channels())), (Table{{"channel", "RC-10K", "2", "2"},
                                                     {"demo", "MCU-1", "1", "1"},
                                                     {"empty", "", "0", "0"}}));
}

TEST(ScopeTest, ABindingThatFindsNothingStillMakesARowAndItsQualifierCanDropIt) {
  // NET_NAME binds (NET_CLASS depends on it): "empty" has no net and still gets its row.
  TemplateBuilder t;
  t.Column("BLOCK").Column("NET_NAME", "BLOCK").Column("NET_CLASS", "NET_NAME").Column("NET_COUNT", "BLOCK");
  EXPECT_EQ(Cells(RunReport(t.Data(), Channels())), (Table{{"channel", "/ch1/IN", "", "2"},
                                                           {"channel", "/ch2/IN", "", "2"},
                                                           {"demo", "/ch1/IN", "", "2"},
                                                           {"demo", "/ch2/IN", "", "2"},
                                                           {"empty", "", "", "0"}}));
  // Nets its qualifier rejects make no row; a block that had none keeps its empty row.
  CTmpltQuery& netName = **std::next(t.Data().m_queries.begin());
  netName.m_qualifier = netName.m_qualifierText = "PREFIX";
  netName.m_qualifierValues = {"NONE"};
  EXPECT_EQ(Cells(RunReport(t.Data(), Channels())), (Table{{"empty", "", "", "0"}}));
}

TEST(StructureTest, DesignBasedSeesEveryInstanceBlockBasedTheFirst) {
  auto columns = [](TemplateBuilder& t) {
    t.Column("BLOCK").Qualify("NAME", {"channel"}).Column("BLOCK_PATH", "BLOCK").Column("QUANTITY", "BLOCK");
    t.Column("BLOCK_COUNT", "BLOCK").Column("MATH-OP", "QUANTITY*BLOCK_COUNT").Column("REFDES", "BLOCK");
  };
  TemplateBuilder design("DesignBased"), block("BlockBased");
  columns(design);
  columns(block);
  EXPECT_EQ(Cells(RunReport(design.Data(), Channels())), (Table{{"channel", "/ch1/, /ch2/", "2", "2", "4", "R101, R201"}}));
  EXPECT_EQ(Cells(RunReport(block.Data(), Channels())), (Table{{"channel", "/ch1/, /ch2/", "1", "2", "2", "R101"}}));
}

TEST(StructureTest, BlockUnderBlockGivesTheBlocksPlacedDirectlyInIt) {
  TemplateBuilder t;
  t.Column("BLOCK").Column("BLOCK", "BLOCK").Column("BLOCK_INSTANCE", "BLOCK");
  EXPECT_EQ(Cells(RunReport(t.Data(), Channels())), (Table{{"channel", "", "/ch1/, /ch2/"},
                                                           {"demo", "channel, empty", "/"},
                                                           {"empty", "", "/spare/"}}));
}

TEST(ValueTest, ValuesThatReadAsOneNumberAreOneGroupShowingEachSpelling) {
  TemplateBuilder t;
  t.Column("VALUE").Sort(0).Column("REFDES", "VALUE").Sort(0).Column("QUANTITY", "VALUE").Sort(0);
  EXPECT_EQ(Cells(RunReport(t.Data(), SmallBoard())), (Table{{"0.1uF, 100n", "C1, C2", "2"},
                                                        {"4k7", "R10", "1"},
                                                        {"10k", "R1, R2", "2"},
                                                        {"STM32", "U1", "1"}}));
}

TEST(ValueTest, TextsEqualWithoutRegardToCaseShowTheFirstReferencesSpelling) {
  DesignBuilder b;
  b.Part("Device:R");
  b.Component("R2", "Device:R", "10k", {{"Manufacturer", "yageo"}});
  b.Component("R10", "Device:R", "10k", {{"Manufacturer", "YAGEO"}});
  b.Component("R1", "Device:R", "10k", {{"Manufacturer", "Yageo"}});
  TemplateBuilder t;
  t.Column("MANUFACTURER").Column("REFDES", "MANUFACTURER");
  EXPECT_EQ(Cells(RunReport(t.Data(), b.Build())), (Table{{"Yageo", "R1, R2, R10"}}));
}

TEST(SortTest, CellsSortEmptyLastNumbersFirstThenNaturalText) {
  using mirel::report::CompareCells;
  EXPECT_LT(CompareCells("R2", "R10"), 0);
  EXPECT_LT(CompareCells("9", "10"), 0);
  EXPECT_LT(CompareCells("4k7", "10k"), 0);
  EXPECT_LT(CompareCells("100", "ABC"), 0) << "a number before a text";
  EXPECT_GT(CompareCells("", "ABC"), 0) << "an empty cell after any other";
  EXPECT_EQ(CompareCells("", " "), 0);
  EXPECT_LT(CompareCells("0.1u", "100n"), 0) << "equal numbers, then as text";
  EXPECT_LT(CompareCells("C1", "R1"), 0) << "a reference is a text, not an RKM value";
  EXPECT_LT(CompareCells("ABC", "abc"), 0) << "equal without case, then exact";
}

TEST(RangeTest, RunsOfThreeOrMoreBecomeRangesRunsOfTwoStay) {
  using mirel::report::CollapseRanges;
  EXPECT_EQ(CollapseRanges("R1, R2, R3"), "R1-R3");
  EXPECT_EQ(CollapseRanges("R1, R2"), "R1, R2");
  EXPECT_EQ(CollapseRanges("C1, R1, R2, R3, R5, R6, U1A, U1B"), "C1, R1-R3, R5, R6, U1A, U1B");
  EXPECT_EQ(CollapseRanges("U1.1, U1.2, U1.3, U1.4, U2.1"), "U1.1-U1.4, U2.1");
  EXPECT_EQ(CollapseRanges(""), "");
  EXPECT_EQ(CollapseRanges("R1, R1, R2"), "R1, R1, R2");
}

TEST(RangeTest, RangesApplyToRefdesAndPinColumnsWhenTheTemplateAsks) {
  DesignBuilder b;
  b.Part("Device:R");
  for (const char* r : {"R1", "R2", "R3", "R5", "R6"}) b.Component(r, "Device:R", "10k");
  TemplateBuilder t;
  t.Column("VALUE").Column("REFDES", "VALUE");
  const d::Design design = b.Build();
  EXPECT_EQ(Cells(RunReport(t.Data(), design)), (Table{{"10k", "R1, R2, R3, R5, R6"}}));
  t.Data().m_refDesAsRange = true;
  EXPECT_EQ(Cells(RunReport(t.Data(), design)), (Table{{"10k", "R1-R3, R5, R6"}}));
}

TEST(TotalTest, TotalsCountEachBindingOnceOverTheRowsKept) {
  // QUANTITY repeats on every REFDES row of its part but is added once a part; the row of U1,
  // whose VALUE is empty, is removed first.
  DesignBuilder b;
  b.Part("Device:R").Part("MCU:U");
  b.Component("R1", "Device:R", "10k", {{"MPN", "RC-10K"}});
  b.Component("R2", "Device:R", "10k", {{"MPN", "RC-10K"}});
  b.Component("U1", "MCU:U", "", {{"MPN", "MCU-1"}});
  TemplateBuilder t;
  t.Column("PART_NUMBER").Column("QUANTITY", "PART_NUMBER").Total().Column("REFDES", "PART_NUMBER");
  t.Column("VALUE", "REFDES");
  t.Data().m_removeRowIfAnyEmpty = true;
  const mirel::report::Report report = RunReport(t.Data(), b.Build());
  EXPECT_EQ(Cells(report), (Table{{"RC-10K", "2", "R1", "10k"}, {"RC-10K", "2", "R2", "10k"}}));
  EXPECT_EQ(report.totals, (std::vector<std::string>{"Total", "2", "", ""}));
}

TEST(TotalTest, TheLabelGoesToTheFirstColumnWithoutATotalAndNoneWhenAllHaveOne) {
  TemplateBuilder t;
  t.Column("QUANTITY").Total();
  EXPECT_EQ(RunReport(t.Data(), SmallBoard()).totals, (std::vector<std::string>{"6"}));
  TemplateBuilder none;
  none.Column("PART_NUMBER");
  EXPECT_TRUE(RunReport(none.Data(), SmallBoard()).totals.empty());
}

TEST(SectionTest, ATitleVariableGathersRowsIntoSections) {
  TemplateBuilder t;
  t.Column("NET_NAME").Hidden().Column("REFDES", "NET_NAME", "Parts on %net_name%");
  const mirel::report::Report report = RunReport(t.Data(), SmallBoard());
  ASSERT_EQ(report.sections.size(), 3u);
  EXPECT_EQ(report.sections[0].title, "GND");
  EXPECT_EQ(report.sections[0].titles, (std::vector<std::string>{"Parts on GND"}));
  EXPECT_EQ(report.sections[2].title, "VCC");
  EXPECT_EQ(report.sections[2].rows.size(), 1u);
  EXPECT_EQ(report.sections[2].rows[0][0].text, "C1, C2, U1");
  EXPECT_EQ(report.titles, (std::vector<std::string>{"Parts on NET_NAME"}));
}

TEST(DuplicateTest, ACellIsBlankWhenTheRowAboveShowsTheSameTextFromTheSameBindings) {
  TemplateBuilder t;
  t.Column("PART_NUMBER").Column("REFDES", "PART_NUMBER").Sort(0).Column("VALUE", "REFDES").Sort(0);
  t.Data().m_queries.back()->m_sortOrder = 0;
  const d::Design board = SmallBoard();
  const Table printed = Printed(RunReport(t.Data(), board));
  ASSERT_EQ(printed.size(), 6u);
  EXPECT_EQ(printed[1], (std::vector<std::string>{"", "C2", "0.1uF"}));
  EXPECT_EQ(printed[5], (std::vector<std::string>{"", "R2", "10k"})) << "same value, another component: printed";
  t.Data().m_duplicateCellValues = true;
  EXPECT_EQ(Printed(RunReport(t.Data(), board))[1], (std::vector<std::string>{"CC-100N", "C2", "0.1uF"}));
}

struct OperatorCase {
  const char* keyword;
  const char* expression;
  const char* expected;
};

class OperatorTest : public ::testing::TestWithParam<OperatorCase> {};

TEST_P(OperatorTest, ComputesOrGivesAnEmptyCell) {
  // One row: R10 with VALUE 4k7 and QUANTITY 1; MFR is empty.
  TemplateBuilder t;
  t.Column("REFDES").Qualify("PREFIX", {"R10"}).Column("VALUE", "REFDES").Column("QUANTITY", "REFDES");
  t.Column("MANUFACTURER", "REFDES").Column("PART_NUMBER", "REFDES").Column(GetParam().keyword, GetParam().expression);
  const Table cells = Cells(RunReport(t.Data(), SmallBoard()));
  ASSERT_EQ(cells.size(), 1u);
  EXPECT_EQ(cells[0].back(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OperatorTest,
    ::testing::Values(OperatorCase{"MATH-OP", "VALUE*QUANTITY", "4700"}, OperatorCase{"MATH-OP", "VALUE/1k", "4.7"},
                      OperatorCase{"MATH-OP", "QUANTITY/0", ""}, OperatorCase{"MATH-OP", "PART_NUMBER+1", ""},
                      OperatorCase{"MATH-OP", "QUANTITY-1", "0"}, OperatorCase{"MATH-OP", "1/3", "0.333333333"},
                      OperatorCase{"MATH-OP", "QUANTITY*-2.5", "-2.5"},
                      OperatorCase{"MATH-OP", "MANUFACTURER+1", ""}, OperatorCase{"RELOP", "VALUE>4k", "TRUE"},
                      OperatorCase{"RELOP", "VALUE<4k", ""}, OperatorCase{"RELOP", "MANUFACTURER=", ""},
                      OperatorCase{"RELOP", "REFDES<=r9", ""}, OperatorCase{"RELOP", "REFDES>=r9", "TRUE"},
                      OperatorCase{"RELOP", "REFDES!=R10", ""}, OperatorCase{"STRINGOP", "REFDES.VALUE", "R104k7"},
                      OperatorCase{"STRINGOP", "REFDES.PART_NUMBER", "R10RC-4K7"}, OperatorCase{"STRINGOP", "REFDES.MFR_PART_NUMBER", "R10"},
                      OperatorCase{"MATH-OP", "QUANTITY*MATH-OP", ""}));

TEST(OperatorTest, AnOperatorNamingAnotherIsComputedAfterItAndACycleStaysEmpty) {
  TemplateBuilder t;
  t.Column("REFDES").Qualify("PREFIX", {"R10"}).Column("QUANTITY", "REFDES");
  t.Column("MATH-OP", "STRINGOP*2").Column("STRINGOP", "QUANTITY.0");
  t.Column("RELOP", "STRINGOP=X").Column("RELOP", "RELOP=X");
  EXPECT_EQ(Cells(RunReport(t.Data(), SmallBoard())), (Table{{"R10", "1", "20", "10", "", ""}}));
}

TEST(OperatorTest, AnOperandThatIsAKeywordOfNoColumnGivesAnEmptyCellAndAWarning) {
  TemplateBuilder t;
  t.Column("REFDES").Column("MATH-OP", "QUANTITY*2");
  const mirel::report::RunResult result = RunTemplate(t.Data(), SmallBoard(), {});
  ASSERT_TRUE(result.report);
  EXPECT_EQ(Cells(*result.report)[0], (std::vector<std::string>{"C1", ""}));
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_NE(result.warnings[0].find("QUANTITY"), std::string::npos);
}

TEST(OperatorTest, ATemplateOfOperatorsOnlyMakesOneRow) {
  TemplateBuilder t;
  t.Column("MATH-OP", "2*3").Column("STRINGOP", "A.B");
  EXPECT_EQ(Cells(RunReport(t.Data(), SmallBoard())), (Table{{"6", "AB"}}));
}

// R2 is not fitted in LITE, R10 is excluded from the BOM.
d::Design WithVariant() {
  d::Design design = SmallBoard();
  design.variants = {"LITE"};
  design.components[1].variants["LITE"].fitted = false;
  design.components[1].variants["LITE"].fields.Set("Value", "DNP");
  design.components[2].excludedFromBom = true;
  return design;
}

TEST(VariantTest, ValuesListEveryComponentQuantityOnlyTheFittedOnes) {
  TemplateBuilder t;
  t.Column("PART_NUMBER").Qualify("<PROPERTY>", {"RC-.*"}, "<PROPERTY>").Column("REFDES", "PART_NUMBER");
  t.Column("QUANTITY", "PART_NUMBER").Column("VALUE", "PART_NUMBER").Column("ASSEMBLY_VARIANT", "PART_NUMBER");
  t.Data().m_queries.front()->m_qualifierText = "MPN";
  const d::Design design = WithVariant();
  EXPECT_EQ(Cells(RunReport(t.Data(), design)), (Table{{"RC-4K7", "R10", "0", "4k7", "FITTED"},
                                                 {"RC-10K", "R1, R2", "2", "10k", "FITTED"}}));
  RunOptions lite;
  lite.variant = "LITE";
  EXPECT_EQ(Cells(RunReport(t.Data(), design, lite)), (Table{{"RC-4K7", "R10", "0", "4k7", "FITTED"},
                                                       {"RC-10K", "R1, R2", "1", "10k, DNP", "FITTED, NOT_FITTED"}}));
  lite.fittedOnly = true;
  EXPECT_EQ(Cells(RunReport(t.Data(), design, lite)), (Table{{"RC-10K", "R1", "1", "10k", "FITTED"}}));
}

TEST(VariantTest, TheAssemblyVariantQualifierKeepsWhatHasTheStateInEveryNamedVariant) {
  TemplateBuilder t;
  t.Column("ASSEMBLY_VARIANT").Qualify("NOT_FITTED", {"lite"}).Column("REFDES", "ASSEMBLY_VARIANT");
  EXPECT_EQ(Cells(RunReport(t.Data(), WithVariant())), (Table{{"FITTED", "R2"}}))
      << "R2 is not fitted in LITE; the cell shows its state in the run's variant";
}

}  // namespace
