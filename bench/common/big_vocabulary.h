#pragma once
// Vocabularies of any size for the benchmarks: DESIGN, then keywords under it in descending
// order, the worst case for a sorted list filled entry by entry.
#include <string>

#include <nlohmann/json.hpp>

namespace bench {

inline std::string VocabularyText(int keywords) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  list.push_back({{"name", "DESIGN"}, {"dependsOn", {"DESIGN"}}, {"highlightDesign", true}});
  for (int i = 1; i < keywords; ++i)
    list.push_back({{"name", "KEYWORD_" + std::to_string(keywords - i)}, {"title", "Keyword " + std::to_string(i)},
                    {"width", "10"}, {"dependsOn", {"DESIGN"}}});
  const nlohmann::ordered_json root = {
      {"format", "mirel-vocabulary"}, {"formatVersion", 1},
      {"propertyMarkers", {{"qualifier", "<PROPERTY>"}, {"keyword", "PROPERTY"}}},
      {"specialWidths", {{"PROP", "20"}, {"MATH-OP", "12"}, {"RELOP", "12"}, {"STRINGOP", "20"}}},
      {"keywords", list}};
  return root.dump(1);
}

}  // namespace bench
