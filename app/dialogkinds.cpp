#include "app/dialogkinds.h"

#include "platform/mfc/nocase.h"

namespace mirel::cli {

// The kinds' own sources.
bool RunPropertyDialog(DialogKindContext& context, std::string& error);
bool RunTemplateDialog(DialogKindContext& context, std::string& error);
bool RunColumnDialog(DialogKindContext& context, std::string& error);
bool RunColumnsDialog(DialogKindContext& context, std::string& error);
bool RunValidationDialog(DialogKindContext& context, std::string& error);

const std::vector<DialogKind>& DialogKinds() {
  static const std::vector<DialogKind> kinds{
      {"template", 1021, "Create Report Template on FILE (none: a new template)", RunTemplateDialog},
      {"column", 1062, "the column editor (User Defined Query Field) on FILE (none: a new column)", RunColumnDialog},
      {"columns", 1076, "User Defined Columns of --project (no FILE)", RunColumnsDialog},
      {"property", 1038, "Select Property, on the names of the property dictionary (no FILE)", RunPropertyDialog},
      {"validation", 1063, "Query Validation on FILE's query grid (--custom-column: a user-defined column's)",
       RunValidationDialog},
  };
  return kinds;
}

const DialogKind* FindDialogKind(std::string_view name) {
  for (const DialogKind& kind : DialogKinds()) {
    if (EqualsNoCase(kind.name, name)) return &kind;
  }
  return nullptr;
}

std::string DialogKindNames() {
  std::string names;
  for (const DialogKind& kind : DialogKinds()) names += (names.empty() ? "" : ", ") + kind.name;
  return names.empty() ? "none yet" : names;
}

}  // namespace mirel::cli
