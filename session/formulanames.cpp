#include "formulanames.h"

#include "engine/lexer.h"
#include "mathlib/catalogue.h"
#include "variablelist.h"

#include <algorithm>

namespace quorvex {

namespace {

char foldCase(char c) noexcept {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string folded(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), foldCase);
  return out;
}

// Orders an entry's folded name before text, compared without case.
bool foldedLess(std::string_view foldedName, std::string_view text) noexcept {
  const std::size_t n = std::min(foldedName.size(), text.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char a = foldedName[i], b = foldCase(text[i]);
    if (a != b)
      return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
  }
  return foldedName.size() < text.size();
}

bool foldedEqual(std::string_view foldedName, std::string_view text) noexcept {
  return std::equal(foldedName.begin(), foldedName.end(), text.begin(), text.end(),
                    [](char a, char b) { return a == foldCase(b); });
}

} // namespace

const CatalogueFunction &FormulaNames::Name::function() const {
  return catalogueFunctions()[index];
}

const CatalogueConstant &FormulaNames::Name::constant() const {
  return catalogueConstants()[index];
}

FormulaNames::FormulaNames() {
  const auto functions = catalogueFunctions();
  const auto constants = catalogueConstants();
  allLibrary_.reserve(functions.size() + constants.size());
  for (std::size_t i = 0; i < functions.size(); ++i)
    allLibrary_.push_back(
        {folded(functions[i].name), {}, {Kind::Function, functions[i].name, i}});
  for (std::size_t i = 0; i < constants.size(); ++i)
    allLibrary_.push_back(
        {folded(constants[i].name), {}, {Kind::Constant, constants[i].name, i}});
  std::sort(allLibrary_.begin(), allLibrary_.end(),
            [](const Entry &a, const Entry &b) { return a.folded < b.folded; });
  library_ = allLibrary_;
}

void FormulaNames::setVariables(const TVariableList &list) {
  variables_.clear();
  variables_.reserve(list.Count());
  for (std::size_t i = 0; i < list.Count(); ++i)
    if (const std::string_view name = list.Name(i); isIdentifier(name))
      variables_.push_back({folded(name), std::string(name), {Kind::Variable, {}, i}});
  // Stable, so that of names equal but for case the first declared leads.
  std::stable_sort(variables_.begin(), variables_.end(),
                   [](const Entry &a, const Entry &b) { return a.folded < b.folded; });
  variables_.erase(
      std::unique(variables_.begin(), variables_.end(),
                  [](const Entry &a, const Entry &b) { return a.folded == b.folded; }),
      variables_.end());
  // Only now that the entries stay where they are can names point into them.
  for (Entry &entry : variables_)
    entry.name.name = entry.text;
  library_.clear();
  for (const Entry &entry : allLibrary_) {
    const auto at = std::lower_bound(
        variables_.begin(), variables_.end(), entry.folded,
        [](const Entry &e, const std::string &key) { return e.folded < key; });
    if (at == variables_.end() || at->folded != entry.folded)
      library_.push_back(entry);
  }
}

void FormulaNames::appendStartingWith(const std::vector<Entry> &entries,
                                      std::string_view foldedPrefix,
                                      std::vector<Name> &out) {
  auto at = std::lower_bound(entries.begin(), entries.end(), foldedPrefix,
                             [](const Entry &e, std::string_view key) {
                               return std::string_view(e.folded) < key;
                             });
  for (; at != entries.end() && at->folded.starts_with(foldedPrefix); ++at)
    out.push_back(at->name);
}

std::vector<FormulaNames::Name> FormulaNames::completions(std::string_view prefix) const {
  const std::string key = folded(prefix);
  std::vector<Name> out;
  appendStartingWith(variables_, key, out);
  appendStartingWith(library_, key, out);
  return out;
}

const CatalogueFunction *FormulaNames::function(std::string_view name) const {
  const auto at = std::lower_bound(
      library_.begin(), library_.end(), name,
      [](const Entry &e, std::string_view key) { return foldedLess(e.folded, key); });
  if (at == library_.end() || !foldedEqual(at->folded, name) ||
      at->name.kind != Kind::Function)
    return nullptr;
  return &at->name.function();
}

} // namespace quorvex
