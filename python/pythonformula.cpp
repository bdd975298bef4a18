#include "pythonformula.h"

#include "pythonerror.h"

#include <pybind11/numpy.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>
#include <string_view>

namespace py = pybind11;

namespace quorvex::python {

namespace {

// Owned for the process's life, as the error classes are.
PyObject *valueFunction = nullptr; // quorvex._arguments.value
PyObject *ndarrayType = nullptr;
PyObject *float64Type = nullptr;

char folded(char c) noexcept {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names match as in formulas: ASCII letters without regard to case.
bool sameName(std::string_view a, std::string_view b) noexcept {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return folded(x) == folded(y); });
}

// A name a formula can spell: a letter or "_", then letters, digits and "_".
bool isFormulaName(std::string_view name) noexcept {
  const auto letter = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
  };
  if (name.empty() || !letter(name.front()))
    return false;
  return std::all_of(name.begin(), name.end(),
                     [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

std::string_view utf8(py::handle text) {
  Py_ssize_t size = 0;
  const char *data = PyUnicode_AsUTF8AndSize(text.ptr(), &size);
  if (data == nullptr)
    throw py::error_already_set();
  return {data, static_cast<std::size_t>(size)};
}

// A Python float (NumPy's float64 is one) or int (bool included) as it
// converts to a double; none for anything else. OverflowError for an int
// beyond the double range.
std::optional<double> number(py::handle value) {
  if (PyFloat_Check(value.ptr()))
    return PyFloat_AS_DOUBLE(value.ptr());
  if (!PyLong_Check(value.ptr()))
    return std::nullopt;
  const double converted = PyLong_AsDouble(value.ptr());
  if (converted == -1.0 && PyErr_Occurred() != nullptr)
    throw py::error_already_set();
  return converted;
}

std::string quoted(std::string_view name) {
  return "'" + std::string(name) + "'";
}

std::string nameList(const std::vector<std::string> &names) {
  if (names.empty())
    return "it has none";
  std::string list = "its variables are ";
  for (std::size_t i = 0; i < names.size(); ++i)
    list += (i == 0 ? "" : ", ") + names[i];
  return list;
}

enum class ErrorMode { Raise, NotANumber, Collect };

// An array argument: its rows from data, stride bytes apart.
struct Column {
  py::array array; // keeps data alive
  const char *data = nullptr;
  py::ssize_t stride = 0;
  std::size_t rows = 0;

  bool contiguous() const noexcept { return stride == sizeof(double); }
  // The bytes the rows lie in.
  std::pair<const char *, const char *> extent() const noexcept {
    if (rows == 0)
      return {data, data};
    const py::ssize_t last = static_cast<py::ssize_t>(rows - 1) * stride;
    return {data + std::min<py::ssize_t>(last, 0),
            data + std::max<py::ssize_t>(last, 0) + sizeof(double)};
  }
  void take(py::array a) {
    array = std::move(a);
    data = static_cast<const char *>(array.data());
    stride = array.strides(0);
    rows = static_cast<std::size_t>(array.shape(0));
  }
};

bool overlaps(const Column &a, const Column &b) noexcept {
  const auto [aBegin, aEnd] = a.extent();
  const auto [bBegin, bEnd] = b.extent();
  return aBegin < bEnd && bBegin < aEnd;
}

// Evaluations between two looks at Ctrl+C take about this long: short
// enough to feel immediate, long enough that the look and the hand-over to
// threads cost nothing beside them.
constexpr double chunkSeconds = 0.02;
constexpr std::size_t firstChunkRows = 4096;
constexpr std::size_t mostChunkRows = std::size_t{1} << 24;

std::size_t nextChunkRows(std::size_t rows, double seconds) noexcept {
  if (!(seconds > 0))
    return mostChunkRows;
  const double fit = static_cast<double>(rows) * (chunkSeconds / seconds);
  return static_cast<std::size_t>(std::clamp(fit, static_cast<double>(firstChunkRows),
                                             static_cast<double>(mostChunkRows)));
}

} // namespace

void loadArgumentHelpers() {
  const auto kept = [](py::object object) { return object.release().ptr(); };
  valueFunction = kept(py::module_::import("quorvex._arguments").attr("value"));
  const py::module_ numpy = py::module_::import("numpy");
  ndarrayType = kept(numpy.attr("ndarray"));
  float64Type = kept(numpy.attr("float64"));
}

class PythonFormula::Lease {
public:
  explicit Lease(PythonFormula &owner) : owner_(owner) {
    {
      const std::lock_guard lock(owner_.mutex_);
      if (!owner_.idle_.empty()) {
        formula_ = std::move(owner_.idle_.back());
        owner_.idle_.pop_back();
      }
    }
    if (formula_ == nullptr)
      formula_ = owner_.compiled();
  }
  ~Lease() {
    try {
      const std::lock_guard lock(owner_.mutex_);
      owner_.idle_.push_back(std::move(formula_));
    } catch (...) {
      // Not kept: the next call compiles another.
    }
  }
  Lease(const Lease &) = delete;
  Lease &operator=(const Lease &) = delete;

  Formula &operator*() const noexcept { return *formula_; }

private:
  PythonFormula &owner_;
  std::unique_ptr<Formula> formula_;
};

struct PythonFormula::Arguments {
  std::vector<py::handle> values; // borrowed from the call, by slot
  py::handle out;
  ErrorMode errors = ErrorMode::Raise;
  std::size_t threads = 0; // as many as the CPUs
};

PythonFormula::PythonFormula(const py::object &text, const py::object &variables,
                             const py::object &decimalSeparator, bool strict) {
  if (!py::isinstance<py::str>(text))
    throw py::type_error("the formula must be a str, not " +
                         std::string(py::str(text.get_type().attr("__name__"))));
  textObject_ = py::reinterpret_borrow<py::str>(text);
  text_ = utf8(text);
  if (text_.find('\0') != std::string::npos)
    throw py::value_error("the formula holds a null character");
  if (py::isinstance<py::str>(variables) || py::isinstance<py::bytes>(variables))
    throw py::type_error("variables must be a sequence of names, such as ('x', 'y'), "
                         "not a single str");
  for (const py::handle name : py::iter(variables)) {
    if (!py::isinstance<py::str>(name))
      throw py::type_error("a variable's name must be a str, not " +
                           std::string(py::str(name.get_type().attr("__name__"))));
    const std::string_view spelled = utf8(name);
    if (!isFormulaName(spelled))
      throw py::value_error(quoted(spelled) +
                            " is not a name a formula can use: a letter or '_', then "
                            "letters, digits and '_'");
    names_.emplace_back(spelled);
  }
  if (!py::isinstance<py::str>(decimalSeparator) ||
      (utf8(decimalSeparator) != "." && utf8(decimalSeparator) != ","))
    throw py::value_error("decimal_separator must be '.' or ','");
  options_.decimalSeparator = utf8(decimalSeparator).front();
  options_.rejectTrailingText = strict;
  std::unique_ptr<Formula> first = compiled();
  ignoredOffset_ = first->ignoredTextOffset();
  idle_.push_back(std::move(first));
}

std::unique_ptr<Formula> PythonFormula::compiled() const {
  std::vector<Variable> variables(names_.begin(), names_.end());
  try {
    return std::make_unique<Formula>(text_, variables, options_);
  } catch (const Error &e) {
    raise(e, text_);
  }
}

PythonFormula::Arguments PythonFormula::bind(const py::args &args,
                                             const py::kwargs &kwargs,
                                             bool takesOptions) const {
  Arguments bound;
  bound.values.resize(names_.size());
  if (args.size() > names_.size())
    throw py::type_error("the formula takes " + std::to_string(names_.size()) +
                         " values (" + nameList(names_) + "), " +
                         std::to_string(args.size()) + " were given");
  for (std::size_t i = 0; i < args.size(); ++i)
    bound.values[i] = args[i];
  for (const auto &[key, value] : kwargs) {
    const std::string_view name = utf8(key);
    if (takesOptions && name == "out") {
      if (!value.is_none())
        bound.out = value;
      continue;
    }
    if (takesOptions && name == "errors") {
      const std::string_view mode = py::isinstance<py::str>(value) ? utf8(value) : "";
      if (mode == "raise")
        bound.errors = ErrorMode::Raise;
      else if (mode == "nan")
        bound.errors = ErrorMode::NotANumber;
      else if (mode == "collect")
        bound.errors = ErrorMode::Collect;
      else
        throw py::value_error("errors must be 'raise', 'nan' or 'collect', not " +
                              std::string(py::repr(value)));
      continue;
    }
    if (takesOptions && name == "threads") {
      if (value.is_none())
        continue;
      if (!PyLong_Check(value.ptr()))
        throw py::type_error("threads must be an int or None");
      const auto threads = value.cast<long long>();
      if (threads < 1)
        throw py::value_error("threads must be at least 1");
      bound.threads = static_cast<std::size_t>(threads);
      continue;
    }
    const auto slot =
        std::find_if(names_.begin(), names_.end(),
                     [&](const std::string &n) { return sameName(n, name); });
    if (slot == names_.end())
      throw py::type_error("the formula has no variable " + quoted(name) + ": " +
                           nameList(names_));
    py::handle &place = bound.values[static_cast<std::size_t>(slot - names_.begin())];
    if (place)
      throw py::type_error("two values for the variable " + quoted(*slot) +
                           " (names match without regard to case)");
    place = value;
  }
  std::string missing;
  for (std::size_t i = 0; i < names_.size(); ++i)
    if (!bound.values[i])
      missing += (missing.empty() ? "" : ", ") + quoted(names_[i]);
  if (!missing.empty())
    throw py::type_error("no value for the variable " + missing);
  return bound;
}

double PythonFormula::call(const py::args &args, const py::kwargs &kwargs) {
  const Arguments bound = bind(args, kwargs, false);
  std::vector<double> values(names_.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    const py::handle value = bound.values[i];
    if (const std::optional<double> v = number(value)) {
      values[i] = *v;
      continue;
    }
    const py::object converted =
        py::reinterpret_borrow<py::object>(valueFunction)(names_[i], value);
    if (!PyFloat_Check(converted.ptr()))
      throw py::type_error("variable " + quoted(names_[i]) +
                           ": calling a formula takes one number per variable; "
                           "evaluate() takes arrays");
    values[i] = PyFloat_AS_DOUBLE(converted.ptr());
  }
  const Lease lease(*this);
  Formula &formula = *lease;
  for (std::size_t i = 0; i < values.size(); ++i)
    formula.set(i, values[i]);
  Error error;
  if (const std::optional<double> result = formula.tryEvaluate(&error))
    return *result;
  raise(error, text_);
}

namespace {

// The variables' values of one evaluate call: a number that every row
// shares, or a column of rows, all columns of one length.
struct Inputs {
  std::vector<double> scalars;
  std::vector<Column> columns;
  std::vector<bool> isColumn;
  std::optional<std::size_t> rows; // none without columns
};

Inputs inputsOf(const std::vector<std::string> &names,
                const std::vector<py::handle> &values) {
  const std::size_t count = names.size();
  Inputs in{std::vector<double>(count, 0), std::vector<Column>(count),
            std::vector<bool>(count, false), std::nullopt};
  std::size_t firstColumn = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const py::handle value = values[i];
    if (const std::optional<double> v = number(value)) {
      in.scalars[i] = *v;
      continue;
    }
    py::object converted;
    if (value.get_type().ptr() == ndarrayType &&
        py::isinstance<py::array_t<double>>(value) &&
        py::reinterpret_borrow<py::array>(value).ndim() == 1)
      converted = py::reinterpret_borrow<py::object>(value);
    else
      converted = py::reinterpret_borrow<py::object>(valueFunction)(names[i], value);
    if (PyFloat_Check(converted.ptr())) {
      in.scalars[i] = PyFloat_AS_DOUBLE(converted.ptr());
      continue;
    }
    in.columns[i].take(py::reinterpret_borrow<py::array>(converted));
    in.isColumn[i] = true;
    if (!in.rows) {
      in.rows = in.columns[i].rows;
      firstColumn = i;
    } else if (*in.rows != in.columns[i].rows) {
      throw py::value_error("the arrays differ in length: " + quoted(names[firstColumn]) +
                            " has " + std::to_string(*in.rows) + " rows, " +
                            quoted(names[i]) + " " + std::to_string(in.columns[i].rows));
    }
  }
  return in;
}

// Points pointers at rows done .. done + n - 1 of each column: in place
// when it is contiguous, else gathered into gathered[i].
void pointRows(const Inputs &in, std::size_t done, std::size_t n,
               std::vector<std::vector<double>> &gathered,
               std::vector<const double *> &pointers) {
  for (std::size_t i = 0; i < in.columns.size(); ++i) {
    if (!in.isColumn[i])
      continue;
    const Column &c = in.columns[i];
    if (c.contiguous()) {
      pointers[i] = reinterpret_cast<const double *>(c.data) + done;
      continue;
    }
    gathered[i].resize(n);
    for (std::size_t r = 0; r < n; ++r)
      std::memcpy(&gathered[i][r], c.data + static_cast<py::ssize_t>(done + r) * c.stride,
                  sizeof(double));
    pointers[i] = gathered[i].data();
  }
}

// out=, checked against the columns. Rows are read as they are when the
// call begins, whatever it writes: a column that shares memory with out is
// copied first.
Column outputOf(py::handle out, Inputs &in) {
  if (!py::isinstance<py::array_t<double>>(out))
    throw py::type_error("out must be a NumPy array of float64, not " +
                         std::string(py::repr(out.get_type())));
  auto given = py::reinterpret_borrow<py::array>(out);
  if (given.ndim() != 1)
    throw py::value_error("out must be a 1-D array, not " + std::to_string(given.ndim()) +
                          "-D");
  if (!given.writeable())
    throw py::value_error("out is read-only");
  Column column;
  column.take(given);
  if (in.rows && *in.rows != column.rows)
    throw py::value_error("out has " + std::to_string(column.rows) +
                          " rows, the arrays " + std::to_string(*in.rows));
  for (std::size_t i = 0; i < in.columns.size(); ++i)
    if (in.isColumn[i] && overlaps(in.columns[i], column))
      in.columns[i].take(py::array(in.columns[i].array.attr("copy")()));
  return column;
}

} // namespace

py::object PythonFormula::evaluate(const py::args &args, const py::kwargs &kwargs) {
  const Arguments bound = bind(args, kwargs, true);
  const std::size_t count = names_.size();
  Inputs in = inputsOf(names_, bound.values);
  const bool single = !in.rows && !bound.out; // numbers only: one value
  Column out;
  py::array result;
  if (bound.out) {
    out = outputOf(bound.out, in);
    result = py::reinterpret_borrow<py::array>(bound.out);
  } else {
    result = py::array_t<double>(static_cast<py::ssize_t>(in.rows.value_or(1)));
    out.take(result);
  }
  const std::size_t total = in.rows.value_or(out.rows);
  const auto rowOf = [&](std::size_t row) {
    return single ? std::nullopt : std::optional<std::size_t>(row);
  };

  const Lease lease(*this);
  Formula &formula = *lease;
  for (std::size_t i = 0; i < count; ++i)
    if (!in.isColumn[i])
      formula.set(i, in.scalars[i]);
  auto *const target = const_cast<char *>(out.data);
  std::vector<const double *> pointers(count, nullptr);
  std::vector<std::vector<double>> gathered(count);
  std::vector<double> scratch;
  std::vector<RowError> failures;
  py::list collected;
  std::size_t chunk = firstChunkRows;
  for (std::size_t done = 0; done < total;) {
    const std::size_t n = std::min(chunk, total - done);
    failures.clear();
    double seconds = 0;
    try {
      const py::gil_scoped_release release;
      const auto start = std::chrono::steady_clock::now();
      pointRows(in, done, n, gathered, pointers);
      double *results = nullptr;
      if (out.contiguous()) {
        results = reinterpret_cast<double *>(target) + done;
      } else {
        scratch.resize(n);
        results = scratch.data();
      }
      formula.evaluate(pointers, n, results,
                       bound.errors == ErrorMode::NotANumber ? nullptr : &failures,
                       bound.threads);
      if (!out.contiguous())
        for (std::size_t r = 0; r < n; ++r)
          std::memcpy(target + static_cast<py::ssize_t>(done + r) * out.stride,
                      &results[r], sizeof(double));
      seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    } catch (const Error &e) {
      raise(e, text_);
    }
    if (!failures.empty() && bound.errors == ErrorMode::Raise)
      raise(failures.front().error, text_, rowOf(done + failures.front().row));
    for (const RowError &failure : failures)
      collected.append(
          py::make_tuple(done + failure.row,
                         errorObject(failure.error, text_, rowOf(done + failure.row))));
    done += n;
    if (done < total && PyErr_CheckSignals() != 0)
      throw py::error_already_set();
    chunk = nextChunkRows(n, seconds);
  }
  py::object values = result;
  if (single)
    values = py::reinterpret_borrow<py::object>(float64Type)(
        reinterpret_cast<const double *>(out.data)[0]);
  if (bound.errors == ErrorMode::Collect)
    return py::make_tuple(values, collected);
  return values;
}

py::tuple PythonFormula::variables() const {
  py::tuple names(names_.size());
  for (std::size_t i = 0; i < names_.size(); ++i)
    names[i] = py::str(names_[i]);
  return names;
}

py::object PythonFormula::ignoredText() const {
  if (!ignoredOffset_)
    return py::none();
  // The offset counts bytes of UTF-8; the text, characters.
  std::size_t characters = 0;
  for (std::size_t i = 0; i < *ignoredOffset_; ++i)
    characters += (static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80 ? 1 : 0;
  return textObject_[py::slice(static_cast<py::ssize_t>(characters),
                               static_cast<py::ssize_t>(py::len(textObject_)), 1)];
}

std::string PythonFormula::repr() const {
  std::string text = "quorvex.Formula(" + std::string(py::repr(textObject_));
  if (!names_.empty())
    text += ", variables=" + std::string(py::repr(variables()));
  if (options_.decimalSeparator != '.')
    text += ", decimal_separator=','";
  if (options_.rejectTrailingText)
    text += ", strict=True";
  return text + ")";
}

} // namespace quorvex::python
