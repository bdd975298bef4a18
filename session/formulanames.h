#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Every name a formula can use as the boxes stand: the declared variables
// and the standard context's functions and constants, found the way Compute
// finds them (without regard to ASCII case, a variable hiding the library
// name it matches). It answers the completion of a name being typed and
// which function a call names; it is rebuilt when the variable list
// changes and then answers each keystroke without going through all names.

namespace quorvex {

struct CatalogueConstant;
struct CatalogueFunction;
class TVariableList;

class FormulaNames {
public:
  enum class Kind { Variable, Function, Constant };

  struct Name {
    Kind kind;
    std::string_view name; // as declared or registered
    // Variable: the entry of the list it came from (its grid row less 1);
    // Function and Constant: the index in its catalogue table.
    std::size_t index;

    const CatalogueFunction &function() const;
    const CatalogueConstant &constant() const;
  };

  // Knows the standard context's names only.
  FormulaNames();

  // The variables of list, in place of those declared before. Only a name
  // the lexer reads as one can be typed, so other entries are left out, and
  // of the entries whose names differ only in case the first is kept (the
  // later ones make Compute fail anyway).
  void setVariables(const TVariableList &list);

  // The names that begin with prefix (ASCII case ignored), the variables
  // first, then the functions and constants, each part in alphabetical
  // order; a library name that a variable hides is left out. An empty
  // prefix gives every name. A variable's name stays valid until the next
  // setVariables.
  std::vector<Name> completions(std::string_view prefix) const;

  // The function that a call of name calls, or null when name is no
  // function's or a variable hides it.
  const CatalogueFunction *function(std::string_view name) const;

private:
  struct Entry {
    std::string folded; // lower case: the sort key
    std::string text;   // a variable's name, which name points into
    Name name;
  };

  static void appendStartingWith(const std::vector<Entry> &entries,
                                 std::string_view folded, std::vector<Name> &out);

  std::vector<Entry> variables_;
  std::vector<Entry> library_; // functions and constants, not hidden
  std::vector<Entry> allLibrary_;
};

} // namespace quorvex
