#include "pythonerror.h"

#include <array>

namespace py = pybind11;

namespace quorvex::python {

namespace {

constexpr std::size_t kindCount = static_cast<std::size_t>(ErrorKind::Internal) + 1;

// Owned for the process's life: a module is never unloaded, and releasing
// them at exit would run after the interpreter is gone.
std::array<PyObject *, kindCount> classes{};

// The characters of utf8 before byte, counting a character that byte falls
// inside of when roundUp.
std::size_t characters(std::string_view utf8, std::size_t byte, bool roundUp) {
  const auto continuation = [&](std::size_t i) {
    return i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80;
  };
  byte = std::min(byte, utf8.size());
  if (roundUp) {
    while (continuation(byte))
      ++byte;
  } else {
    while (byte > 0 && continuation(byte))
      --byte;
  }
  std::size_t count = 0;
  for (std::size_t i = 0; i < byte; ++i)
    count += continuation(i) ? 0 : 1;
  return count;
}

} // namespace

void loadErrorClasses() {
  const py::tuple byKind = py::module_::import("quorvex._errors").attr("BY_KIND");
  if (byKind.size() != kindCount)
    throw std::logic_error("quorvex._errors.BY_KIND does not name every kind");
  for (std::size_t k = 0; k < kindCount; ++k)
    classes[k] = py::object(byKind[k]).release().ptr();
}

py::object errorObject(const Error &error, std::string_view formula,
                       std::optional<std::size_t> row) {
  const py::handle errorClass = classes[static_cast<std::size_t>(error.kind())];
  // A message quotes the formula's text, which may hold a byte that is not
  // a whole character where a token was cut.
  const std::string &message = error.message();
  const auto text = py::reinterpret_steal<py::object>(PyUnicode_DecodeUTF8(
      message.data(), static_cast<Py_ssize_t>(message.size()), "replace"));
  if (!text)
    throw py::error_already_set();
  py::object span = py::none();
  if (const std::optional<Span> bytes = error.span())
    span = py::make_tuple(characters(formula, bytes->offset, false),
                          characters(formula, bytes->offset + bytes->length, true));
  py::object rowObject = row ? py::object(py::int_(*row)) : py::object(py::none());
  return errorClass(text, span, rowObject);
}

void raise(const Error &error, std::string_view formula, std::optional<std::size_t> row) {
  const py::object exception = errorObject(error, formula, row);
  PyErr_SetObject(exception.get_type().ptr(), exception.ptr());
  throw py::error_already_set();
}

} // namespace quorvex::python
