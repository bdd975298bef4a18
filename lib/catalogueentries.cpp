#include "catalogueentries.h"

#include "engine/numberconversion.h"
#include "mathlib/catalogue.h"

namespace quorvex {

const std::vector<CatalogueEntry> &functionEntries() {
  static const std::vector<CatalogueEntry> entries = [] {
    std::vector<CatalogueEntry> list;
    for (const CatalogueFunction &f : catalogueFunctions())
      list.push_back(
          {std::string(f.name), std::string(f.arguments), std::string(f.description), 0});
    return list;
  }();
  return entries;
}

const std::vector<CatalogueEntry> &constantEntries() {
  static const std::vector<CatalogueEntry> entries = [] {
    std::vector<CatalogueEntry> list;
    for (const CatalogueConstant &c : catalogueConstants())
      list.push_back(
          {std::string(c.name), {}, std::string(c.meaning), roundToFloat(c.value)});
    return list;
  }();
  return entries;
}

std::vector<CatalogueEntry> functions() {
  return functionEntries();
}

std::vector<CatalogueEntry> constants() {
  return constantEntries();
}

} // namespace quorvex
