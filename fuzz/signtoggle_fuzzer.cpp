// The sign-toggle rule on any text, caret and selection: the caret stays in
// the text, the text changes by at most one character (a sign flipped or a
// "-" inserted), the outcome matches the rule worked step by step with
// signed indexes, a second toggle at the new caret flips the same sign back,
// and the UTF-16 flavour agrees with the byte one.

#include "check.h"

#include "session/signtoggle.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>

using namespace quorvex;

namespace {

bool isSign(char c) {
  return c == '+' || c == '-';
}

// The rule as written, walking with signed indexes: nullopt for no change.
std::optional<TSignToggleEdit<char>> reference(const std::string &t, long p, long length,
                                               char separator) {
  const long n = static_cast<long>(t.size());
  if (length == 1 && isSign(t[p])) {
    std::string after = t;
    after[p] = t[p] == '+' ? '-' : '+';
    return TSignToggleEdit<char>{after, static_cast<std::size_t>(p + 1)};
  }
  if (p >= n)
    return std::nullopt;
  const auto isNumberChar = [&](long i) {
    return (t[i] >= '0' && t[i] <= '9') || t[i] == separator;
  };
  long i = p;
  while (i >= 0 && isNumberChar(i))
    --i;
  // The walk makes no step when t[p] is not a number character: the
  // candidate then starts one character after the caret.
  const long s = i == p ? p + 1 : i + 1;
  if (s >= n || t[s] < '0' || t[s] > '9')
    return std::nullopt;
  long j = s - 1;
  while (j >= 0 && (t[j] == ' ' || t[j] == '\t'))
    --j;
  std::string after = t;
  if (j >= 0 && isSign(t[j])) {
    after[j] = t[j] == '+' ? '-' : '+';
    return TSignToggleEdit<char>{after, static_cast<std::size_t>(p)};
  }
  after.insert(static_cast<std::size_t>(s), 1, '-');
  return TSignToggleEdit<char>{after, static_cast<std::size_t>(p + 1)};
}

// Exactly one position differs, and there a sign became the other sign.
bool oneSignFlipped(const std::string &before, const std::string &after) {
  if (before.size() != after.size())
    return false;
  int differences = 0;
  for (std::size_t i = 0; i < before.size(); ++i)
    if (before[i] != after[i]) {
      ++differences;
      if (!isSign(before[i]) || !isSign(after[i]))
        return false;
    }
  return differences == 1;
}

// after is before with one "-" inserted somewhere.
bool oneMinusInserted(const std::string &before, const std::string &after) {
  if (after.size() != before.size() + 1)
    return false;
  std::size_t i = 0;
  while (i < before.size() && before[i] == after[i])
    ++i;
  return after[i] == '-' && after.compare(i + 1, std::string::npos, before, i) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const char separator = in.ConsumeBool() ? ',' : '.';
  const auto caretSeed = in.ConsumeIntegral<std::uint16_t>();
  const auto lengthSeed = in.ConsumeIntegral<std::uint16_t>();
  const std::string text = in.ConsumeRemainingBytesAsString();
  const std::size_t n = text.size();
  const std::size_t p = caretSeed % (n + 1);
  // Mostly a caret or a single character: those are where the cases differ.
  const std::size_t length = lengthSeed % 4 == 0 ? lengthSeed / 4 % (n - p + 1)
                                                 : (lengthSeed % 4 == 1 && p < n ? 1 : 0);

  const auto edit = ToggleSign(text, p, length, separator);
  const auto want =
      reference(text, static_cast<long>(p), static_cast<long>(length), separator);
  FUZZ_CHECK(edit.has_value() == want.has_value());
  if (!edit)
    return 0;
  FUZZ_CHECK(edit->Text == want->Text);
  FUZZ_CHECK(edit->Caret == want->Caret);
  FUZZ_CHECK(edit->Caret <= edit->Text.size());
  const bool flipped = oneSignFlipped(text, edit->Text);
  FUZZ_CHECK(flipped || oneMinusInserted(text, edit->Text));

  // Without a selected sign, toggling again at the new caret finds the same
  // number and flips the sign just set; the rule never removes a sign.
  if (!(length == 1 && isSign(text[p]))) {
    const auto again = ToggleSign(edit->Text, edit->Caret, 0, separator);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(oneSignFlipped(edit->Text, again->Text));
  }

  // The GUI's UTF-16 text gives the same edit for the same units.
  const std::u16string wide(text.begin(), text.end());
  const auto wideEdit = ToggleSign(wide, p, length, separator);
  FUZZ_CHECK(wideEdit.has_value());
  FUZZ_CHECK(wideEdit->Caret == edit->Caret);
  FUZZ_CHECK(wideEdit->Text == std::u16string(edit->Text.begin(), edit->Text.end()));
  return 0;
}
