#include "report/Keywords.h"

#include <array>

#include "design/Text.h"

namespace mirel::report {

namespace {

using K = Keyword;
using O = ObjectKind;
using R = KeywordRole;

constexpr std::array<KeywordInfo, 49> kKeywords{{
    {"DESIGN", K::kDesign, O::kDesign, R::kObject},
    {"DESIGN_PATH", K::kDesignPath, O::kDesign, R::kValue},
    {"REVISION", K::kRevision, O::kDesign, R::kValue},
    {"DATE", K::kDate, O::kDesign, R::kValue},
    {"BLOCK", K::kBlock, O::kBlock, R::kObject},
    {"BLOCK_PATH", K::kBlockPath, O::kBlock, R::kValue},
    {"BLOCK_INSTANCE", K::kBlockInstance, O::kInstance, R::kObject},
    {"SHEET", K::kSheet, O::kSheet, R::kObject},
    {"SHEET_TITLE", K::kSheetTitle, O::kSheet, R::kValue},
    {"REFDES", K::kRefdes, O::kComponent, R::kObject},
    {"REFDES_PREFIX", K::kRefdesPrefix, O::kComponent, R::kValue},
    {"PART_NAME", K::kPartName, O::kPart, R::kObject},
    {"PART_LIBRARY", K::kPartLibrary, O::kComponent, R::kValue},
    {"PART_NUMBER", K::kPartNumber, O::kComponent, R::kValue},
    {"MANUFACTURER", K::kManufacturer, O::kComponent, R::kValue},
    {"MFR_PART_NUMBER", K::kMfrPartNumber, O::kComponent, R::kValue},
    {"TOLERANCE", K::kTolerance, O::kComponent, R::kValue},
    {"VOLTAGE_RATING", K::kVoltageRating, O::kComponent, R::kValue},
    {"POWER_RATING", K::kPowerRating, O::kComponent, R::kValue},
    {"DESCRIPTION", K::kDescription, O::kComponent, R::kValue},
    {"VALUE", K::kValue, O::kComponent, R::kValue},
    {"FOOTPRINT", K::kFootprint, O::kComponent, R::kValue},
    {"PACKAGE", K::kPackage, O::kComponent, R::kValue},
    {"X_LOCATION", K::kXLocation, O::kComponent, R::kValue},
    {"Y_LOCATION", K::kYLocation, O::kComponent, R::kValue},
    {"ROTATION", K::kRotation, O::kComponent, R::kValue},
    {"PLACEMENT_SIDE", K::kPlacementSide, O::kComponent, R::kValue},
    {"ASSEMBLY_VARIANT", K::kAssemblyVariant, O::kComponent, R::kValue},
    {"PIN_NUMBER", K::kPinNumber, O::kPin, R::kObject},
    {"PIN_NAME", K::kPinName, O::kPin, R::kValue},
    {"PIN_TYPE", K::kPinType, O::kPin, R::kValue},
    {"PIN_SWAP_GROUP", K::kPinSwapGroup, O::kPin, R::kValue},
    {"NET_NAME", K::kNetName, O::kNet, R::kObject},
    {"NET_CLASS", K::kNetClass, O::kNet, R::kValue},
    {"NET_TYPE", K::kNetType, O::kNet, R::kValue},
    {"BUS_NAME", K::kBusName, O::kNet, R::kValue},
    {"DIFF_PAIR", K::kDiffPair, O::kNet, R::kValue},
    {"PORT", K::kPort, O::kNet, R::kValue},
    {"OFFPAGE_CONNECTOR", K::kOffpageConnector, O::kNet, R::kValue},
    {"QUANTITY", K::kQuantity, O::kNone, R::kCount},
    {"COMPONENT_COUNT", K::kComponentCount, O::kNone, R::kCount},
    {"PIN_COUNT", K::kPinCount, O::kNone, R::kCount},
    {"NET_COUNT", K::kNetCount, O::kNone, R::kCount},
    {"SHEET_COUNT", K::kSheetCount, O::kNone, R::kCount},
    {"BLOCK_COUNT", K::kBlockCount, O::kNone, R::kCount},
    {"NODE_COUNT", K::kNodeCount, O::kNone, R::kCount},
    {"UNCONNECTED_PINS", K::kUnconnectedPins, O::kNone, R::kCount},
    {"PART_COUNT", K::kPartCount, O::kNone, R::kCount},
    {"PROP", K::kProp, O::kNone, R::kProperty},
}};

}  // namespace

std::optional<KeywordInfo> FindKeyword(std::string_view name) {
  for (const KeywordInfo& info : kKeywords)
    if (design::EqualNoCase(info.name, name)) return info;
  return std::nullopt;
}

}  // namespace mirel::report
