#pragma once

// Marks a text for translation where it is declared and stands for the
// text itself, so that layers without Qt can declare the texts a user
// reads; the program translates them where it shows them, with the same
// context (QCoreApplication::translate(context, text)). lupdate is told to
// read it as Qt's own mark of that form, and to read the .def tables too:
//   lupdate -tr-function-alias QT_TRANSLATE_NOOP+=QV_TRANSLATE_NOOP
//           -extensions cpp,h,def ...
#define QV_TRANSLATE_NOOP(context, text) text
