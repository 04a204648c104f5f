#include "host/templatejson.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "host/jsonread.h"
#include "host/utf8.h"

namespace mirel {
namespace {

using jsonio::FormatError;
using jsonio::Json;

constexpr const char* kTemplateFormat = "mirel-template";
constexpr const char* kCustomColumnFormat = "mirel-custom-column";

// Writing side: every text is checked, since a file that cannot be read back is not saved.
class Writer {
 public:
  std::string Text(const std::string& value, const std::string& where) {
    if (!IsValidUtf8(value) && m_bad.empty()) m_bad = where;
    return value;
  }
  const std::string& Bad() const { return m_bad; }

 private:
  std::string m_bad;
};

constexpr std::string_view kTemplateFields[] = {"format", "formatVersion", "version", "reportName",
                                                "structure", "titlePage", "options", "queries"};
constexpr std::string_view kOptionFields[] = {"refDesAsRange", "pinNumberAsRange", "removeRowIfAnyEmpty",
                                              "removeRowIfAllEmpty", "duplicateCellValues"};
constexpr std::string_view kCustomColumnFields[] = {"format", "formatVersion", "name", "version", "queries"};
constexpr std::string_view kQueryFields[] = {"keyword", "dependency",  "qualifier", "qualifierText",
                                             "qualifierValues", "title", "viewOrder", "sortOrder",
                                             "width", "alignment", "visible", "total"};

// The fields of object that are not among known, in their order.
template <size_t N>
Json OtherFields(const Json& object, const std::string_view (&known)[N]) {
  Json other = Json::object();
  for (const auto& [key, value] : object.items())
    if (std::find(std::begin(known), std::end(known), key) == std::end(known)) other[key] = value;
  return other;
}

std::string AsText(const Json& fields) { return fields.empty() ? std::string() : fields.dump(); }

// Writes the kept fields back after the known ones; a known field is never overwritten by one,
// and kept options go into "options".
void PutUnknownFields(Json& object, const std::string& text) {
  if (text.empty()) return;
  const Json kept = Json::parse(text, nullptr, false);
  if (!kept.is_object()) return;
  for (const auto& [key, value] : kept.items()) {
    if (key == "options" && value.is_object() && object.contains("options")) {
      for (const auto& [option, setting] : value.items())
        if (!object["options"].contains(option)) object["options"][option] = setting;
    } else if (!object.contains(key)) {
      object[key] = value;
    }
  }
}

Json QueryToJson(const CTmpltQuery& q, const std::string& where, Writer& w) {
  Json values = Json::array();
  for (const std::string& v : q.m_qualifierValues) values.push_back(w.Text(v, where + ".qualifierValues"));
  Json j = Json::object();
  j["keyword"] = w.Text(q.m_keyword, where + ".keyword");
  j["dependency"] = w.Text(q.m_dependency, where + ".dependency");
  j["qualifier"] = w.Text(q.m_qualifier, where + ".qualifier");
  j["qualifierText"] = w.Text(q.m_qualifierText, where + ".qualifierText");
  j["qualifierValues"] = std::move(values);
  j["title"] = w.Text(q.m_title, where + ".title");
  j["viewOrder"] = q.m_viewOrder;
  j["sortOrder"] = q.m_sortOrder;
  j["width"] = q.m_width;
  j["alignment"] = w.Text(q.m_alignment, where + ".alignment");
  j["visible"] = q.m_visible;
  j["total"] = q.m_total;
  PutUnknownFields(j, q.m_unknownFields);
  return j;
}

Json QueriesToJson(const CTmpltQueryList& queries, Writer& w) {
  Json array = Json::array();
  size_t i = 0;
  for (const CTmpltQuery* q : queries) {
    if (q) array.push_back(QueryToJson(*q, "queries[" + std::to_string(i) + "]", w));
    ++i;
  }
  return array;
}

bool Finish(const Json& root, const Writer& w, std::string& text, std::string& error) {
  if (!w.Bad().empty()) {
    error = "cannot be saved: " + w.Bad() + " is not valid UTF-8 text";
    return false;
  }
  text = root.dump(2) + "\n";
  error.clear();
  return true;
}

std::unique_ptr<CTmpltQuery> QueryFromJson(const Json& j, const std::string& where) {
  const jsonio::Fields f(j, where);
  auto q = std::make_unique<CTmpltQuery>();
  q->m_keyword = f.String("keyword");
  q->m_dependency = f.String("dependency");
  q->m_qualifier = f.String("qualifier");
  q->m_qualifierText = f.String("qualifierText");
  q->m_qualifierValues = f.StringList("qualifierValues");
  q->m_title = f.String("title");
  q->m_viewOrder = f.Int("viewOrder");
  q->m_sortOrder = f.Int("sortOrder");
  q->m_width = f.Int("width");
  q->m_alignment = f.String("alignment");
  q->m_visible = f.Bool("visible");
  q->m_total = f.Bool("total");
  q->m_unknownFields = AsText(OtherFields(j, kQueryFields));
  return q;
}

// The queries as new objects; none is kept when one of them is refused.
CTmpltQueryList QueriesFromJson(const jsonio::Fields& f) {
  const Json& array = f.Array("queries");
  std::vector<std::unique_ptr<CTmpltQuery>> read;
  for (size_t i = 0; i < array.size(); ++i)
    read.push_back(QueryFromJson(array[i], "queries[" + std::to_string(i) + "]"));
  CTmpltQueryList list;
  for (auto& q : read) list.push_back(q.release());
  return list;
}

}  // namespace

bool TemplateToText(const CTemplateData& data, std::string& text, std::string& error) {
  Writer w;
  Json root = Json::object();
  root["format"] = kTemplateFormat;
  root["formatVersion"] = kTemplateFormatVersion;
  root["version"] = w.Text(data.m_version, "version");
  root["reportName"] = w.Text(data.m_reportName, "reportName");
  root["structure"] = w.Text(data.m_structure, "structure");
  root["titlePage"] = w.Text(data.m_titlePage, "titlePage");
  Json options = Json::object();
  options["refDesAsRange"] = data.m_refDesAsRange;
  options["pinNumberAsRange"] = data.m_pinNumberAsRange;
  options["removeRowIfAnyEmpty"] = data.m_removeRowIfAnyEmpty;
  options["removeRowIfAllEmpty"] = data.m_removeRowIfAllEmpty;
  options["duplicateCellValues"] = data.m_duplicateCellValues;
  root["options"] = std::move(options);
  root["queries"] = QueriesToJson(data.m_queries, w);
  PutUnknownFields(root, data.m_unknownFields);
  return Finish(root, w, text, error);
}

bool CustomColumnToText(const CCustomColData& data, std::string& text, std::string& error) {
  Writer w;
  Json root = Json::object();
  root["format"] = kCustomColumnFormat;
  root["formatVersion"] = kCustomColumnFormatVersion;
  root["name"] = w.Text(data.m_name, "name");
  root["version"] = w.Text(data.m_version, "version");
  root["queries"] = QueriesToJson(data.m_queries, w);
  PutUnknownFields(root, data.m_unknownFields);
  return Finish(root, w, text, error);
}

bool TemplateFromText(std::string_view text, const std::string& name, CTemplateData& data, std::string& error) {
  try {
    const Json root = jsonio::Parse(text);
    jsonio::CheckHeader(root, kTemplateFormat, kTemplateFormatVersion);
    const jsonio::Fields f(root, "");
    CTemplateData read;
    read.m_version = f.String("version");
    read.m_reportName = f.String("reportName");
    read.m_structure = f.String("structure");
    read.m_titlePage = f.String("titlePage");
    const jsonio::Fields options(f.Object("options"), "options");
    read.m_refDesAsRange = options.Bool("refDesAsRange");
    read.m_pinNumberAsRange = options.Bool("pinNumberAsRange");
    read.m_removeRowIfAnyEmpty = options.Bool("removeRowIfAnyEmpty");
    read.m_removeRowIfAllEmpty = options.Bool("removeRowIfAllEmpty");
    read.m_duplicateCellValues = options.Bool("duplicateCellValues");
    read.m_queries = QueriesFromJson(f);
    Json unknown = OtherFields(root, kTemplateFields);
    if (Json options = OtherFields(f.Object("options"), kOptionFields); !options.empty()) unknown["options"] = options;

    data.m_unknownFields = AsText(unknown);
    data.m_version = std::move(read.m_version);
    data.m_reportName = std::move(read.m_reportName);
    data.m_structure = std::move(read.m_structure);
    data.m_titlePage = std::move(read.m_titlePage);
    data.m_refDesAsRange = read.m_refDesAsRange;
    data.m_pinNumberAsRange = read.m_pinNumberAsRange;
    data.m_removeRowIfAnyEmpty = read.m_removeRowIfAnyEmpty;
    data.m_removeRowIfAllEmpty = read.m_removeRowIfAllEmpty;
    data.m_duplicateCellValues = read.m_duplicateCellValues;
    data.m_queries.swap(read.m_queries);  // the old queries go with `read`
  } catch (const std::exception& e) {
    error = jsonio::FileReason(name, e);
    return false;
  }
  error.clear();
  return true;
}

bool CustomColumnFromText(std::string_view text, const std::string& name, CCustomColData& data,
                          std::string& error) {
  try {
    const Json root = jsonio::Parse(text);
    jsonio::CheckHeader(root, kCustomColumnFormat, kCustomColumnFormatVersion);
    const jsonio::Fields f(root, "");
    CCustomColData read;
    read.m_name = f.String("name");
    read.m_version = f.String("version");
    read.m_queries = QueriesFromJson(f);
    data.m_name = std::move(read.m_name);
    data.m_version = std::move(read.m_version);
    data.m_queries.swap(read.m_queries);
    data.m_unknownFields = AsText(OtherFields(root, kCustomColumnFields));
  } catch (const std::exception& e) {
    error = jsonio::FileReason(name, e);
    return false;
  }
  error.clear();
  return true;
}

}  // namespace mirel
