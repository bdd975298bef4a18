#include "functionfailure.h"

#include "engine/messagetext.h"
#include "engine/translationmark.h"
#include "engine/virtmach.h"
#include "mathlib/catalogue.h"
#include "resultformat.h"

#include <string_view>
#include <type_traits>

namespace quorvex {

namespace {

// The function of the catalogue whose routine this is.
template <class Routine> const CatalogueFunction *catalogueFunctionOf(Routine routine) {
  for (const CatalogueFunction &f : catalogueFunctions())
    if constexpr (std::is_same_v<Routine, CatalogueFunction::Unary>) {
      if (f.unary == routine)
        return &f;
    } else {
      if (f.binary == routine)
        return &f;
    }
  return nullptr;
}

const char *patternFor(const std::optional<EMathFuncError::Reason> &refusal) {
  // A fault inside the domain: the domain is named, not claimed broken.
  if (!refusal)
    return QV_TRANSLATE_NOOP("FunctionFailure", "%1: %2; its domain: %3");
  switch (*refusal) {
  case EMathFuncError::Reason::DomainCheck:
    return QV_TRANSLATE_NOOP("FunctionFailure", "%1: outside the domain %3");
  case EMathFuncError::Reason::PowerInfinite:
    return QV_TRANSLATE_NOOP("FunctionFailure",
                             "%1: the result is infinite, outside the domain %3");
  case EMathFuncError::Reason::PowerComplex:
    return QV_TRANSLATE_NOOP("FunctionFailure",
                             "%1: the result is complex, outside the domain %3");
  }
  return "%1: %2; its domain: %3";
}

} // namespace

std::optional<FunctionFailure> functionFailure(const TExprVirtMachOp &op,
                                               const Exception &error) {
  FunctionFailure failure;
  // The standard context's symbols call their routines in the generic
  // flavour, with one argument or two.
  if (const auto *call = dynamic_cast<const TExprCallVmOp<Flavour::Generic, 1> *>(&op)) {
    failure.function = catalogueFunctionOf(call->Func);
    failure.arguments = {*call->X, 0};
  } else if (const auto *call2 =
                 dynamic_cast<const TExprCallVmOp<Flavour::Generic, 2> *>(&op)) {
    failure.function = catalogueFunctionOf(call2->Func);
    failure.arguments = {*call2->X, *call2->Y};
  }
  if (!failure.function)
    return std::nullopt;
  if (const auto *refused = dynamic_cast<const EMathFuncError *>(&error))
    failure.refusal = refused->reason();
  failure.message = error.message();
  failure.messageParts = error.parts();
  return failure;
}

std::string functionFailureNote(const FunctionFailure &failure, char separator,
                                NoteTranslator translate) {
  const auto text = [translate](const char *context, const char *english) {
    return translate ? translate(context, english) : std::string(english);
  };
  std::string call(failure.function->name);
  call.push_back('(');
  for (std::size_t i = 0; i < failure.function->argumentCount(); ++i) {
    if (i > 0)
      call.append("; ");
    call.append(formatResult(failure.arguments[i], separator));
  }
  call.push_back(')');
  const MessageParts &fault = failure.messageParts;
  return fillMessage(text("FunctionFailure", patternFor(failure.refusal)),
                     {call,
                      fault.source
                          ? fillMessage(text("Error", fault.source), fault.arguments)
                          : failure.message,
                      text("Catalogue", failure.function->domain.data())});
}

} // namespace quorvex
