# Turns the "Exit status:" paragraph that ends a program's --help into the
# manual page's EXIT STATUS section (help2man leaves it among the options).
#   cmake -DINPUT=raw.1 -DOUTPUT=page.1 -P exitstatus.cmake
file(READ "${INPUT}" page)
string(FIND "${page}" "\n.PP\nExit status: " at)
if(at LESS 0)
  message(FATAL_ERROR "${INPUT}: the --help output has no 'Exit status:' paragraph")
endif()
string(REPLACE "\n.PP\nExit status: " "\n.SH \"EXIT STATUS\"\n" page "${page}")
file(WRITE "${OUTPUT}" "${page}")
