# How many functions and constants the catalogue (mathlib/catalogue.def)
# has, for the texts the build writes from templates (the metainfo, the
# packages' descriptions): the rows counted, and counted again when the
# catalogue changes.
set(quorvexCatalogue ${PROJECT_SOURCE_DIR}/mathlib/catalogue.def)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${quorvexCatalogue})
file(STRINGS ${quorvexCatalogue} quorvexRows REGEX "^QUORVEX_FUNCTION\\(")
list(LENGTH quorvexRows QUORVEX_FUNCTION_COUNT)
file(STRINGS ${quorvexCatalogue} quorvexRows REGEX "^QUORVEX_CONSTANT\\(")
list(LENGTH quorvexRows QUORVEX_CONSTANT_COUNT)
