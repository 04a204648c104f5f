#pragma once
// What each keyword of the engine denotes: the kind of object it is a value of, and whether it
// names objects (one row each), values (one row per distinct value) or a count.
#include <optional>
#include <string_view>

namespace mirel::report {

enum class ObjectKind { kDesign, kBlock, kInstance, kSheet, kComponent, kPart, kPin, kNet, kNone };

enum class KeywordRole {
  kObject,  // one row per object: DESIGN, BLOCK, BLOCK_INSTANCE, SHEET, REFDES, PART_NAME, PIN_NUMBER, NET_NAME
  kValue,   // one row per distinct value, binding the objects that have it
  kCount,   // a count over the scope; never binds
  kProperty,  // PROP: a field of the dependency's objects
};

enum class Keyword {
  kDesign, kDesignPath, kRevision, kDate,
  kBlock, kBlockPath, kBlockInstance,
  kSheet, kSheetTitle,
  kRefdes, kRefdesPrefix, kPartName, kPartLibrary,
  kPartNumber, kManufacturer, kMfrPartNumber, kTolerance, kVoltageRating, kPowerRating,
  kDescription, kValue, kFootprint, kPackage,
  kXLocation, kYLocation, kRotation, kPlacementSide, kAssemblyVariant,
  kPinNumber, kPinName, kPinType, kPinSwapGroup,
  kNetName, kNetClass, kNetType, kBusName, kDiffPair, kPort, kOffpageConnector,
  kQuantity, kComponentCount, kPinCount, kNetCount, kSheetCount, kBlockCount, kNodeCount, kUnconnectedPins,
  kPartCount,
  kProp,
};

struct KeywordInfo {
  std::string_view name;
  Keyword keyword;
  ObjectKind kind;  // of the objects it is a value of (kNone for counts and PROP)
  KeywordRole role;
};

// The engine's keyword of that name (any case), or nothing for a keyword it does not know.
std::optional<KeywordInfo> FindKeyword(std::string_view name);

}  // namespace mirel::report
