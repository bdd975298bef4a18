# Every header must compile on its own, whatever includes it first. For each
# header this makes a source file that includes only that header, and
# compiles them all as one object library that is part of the default build.
function(quorvex_check_headers target)
  cmake_parse_arguments(ARG "" "" "HEADERS;LIBS" ${ARGN})
  set(sources)
  foreach(header IN LISTS ARG_HEADERS)
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${header})
    string(MAKE_C_IDENTIFIER ${relative} stem)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/headercheck/${stem}.cpp)
    # A layer's header as its includers name it; the tests' own by its path,
    # since no include path holds their folders.
    string(REGEX MATCH "^[^/]+" folder ${relative})
    if(folder IN_LIST QUORVEX_LAYERS)
      set(included ${relative})
    else()
      set(included ${header})
    endif()
    file(CONFIGURE OUTPUT ${source} CONTENT "#include \"${included}\"\n")
    list(APPEND sources ${source})
  endforeach()
  add_library(${target} OBJECT ${sources})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  # Only compiled, never linked, so the Qt headers' classes need no moc here.
  set_target_properties(${target} PROPERTIES AUTOMOC OFF)
endfunction()
