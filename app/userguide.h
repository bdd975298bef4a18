#pragma once

#include <QString>

// The user guide the documentation window shows: the text of userguide.html
// with the catalogue's sections written from the catalogue, so that the
// guide lists exactly the functions and constants the calculator has. The
// text names its sections {functionGroups}, {constants} and
// {functionDescriptions}, and the counts {functionCount} and
// {constantCount}.

namespace quorvex {

QString userGuide();

} // namespace quorvex
