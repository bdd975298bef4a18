# What an installation carries beyond the programs (the licence as Debian
# places it, a changelog) and the Debian package that `make package` builds
# from the install rules with CPack.
include(GNUInstallDirs)

set(QUORVEX_MAINTAINER "The Quorvex developers <developers@quorvex.invalid>")
set(docDir ${CMAKE_INSTALL_DATADIR}/doc/quorvex)
set(packagingDir ${PROJECT_BINARY_DIR}/packaging)

# The machine-readable copyright file. The licence text is taken from LICENSE,
# so it is written down once: each line indented, an empty one as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(FIND "${licence}" "Permission is hereby granted" start)
string(SUBSTRING "${licence}" ${start} -1 licence)
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
file(WRITE ${packagingDir}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Quorvex
Upstream-Contact: ${QUORVEX_MAINTAINER}
Source: ${PROJECT_HOMEPAGE_URL}

Files: *
Copyright: 2026 The Quorvex developers
License: MIT

License: MIT
 ${licence}
")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_LIST_DIR}/changelog.in)

# The changelog of this version, compressed without a timestamp so that two
# builds give the same bytes.
execute_process(COMMAND date -u -R -d "${QUORVEX_RELEASE_DATE}"
  OUTPUT_VARIABLE releaseDate OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${packagingDir}/changelog @ONLY)
execute_process(COMMAND gzip -9n -c ${packagingDir}/changelog
  OUTPUT_FILE ${packagingDir}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)

install(FILES ${packagingDir}/copyright ${packagingDir}/changelog.gz
  DESTINATION ${docDir})
# Each library package carries them too, in its own folder.
install(FILES ${packagingDir}/copyright ${packagingDir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/libquorvex1 COMPONENT library)
install(FILES ${packagingDir}/copyright ${packagingDir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/libquorvex-dev COMPONENT development)
install(FILES ${packagingDir}/copyright ${packagingDir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/python3-quorvex COMPONENT python)

# make package: quorvex_<version>_amd64.deb with the programs and what
# installs beside them, libquorvex1_<version>_amd64.deb with the shared
# library and libquorvex-dev_<version>_amd64.deb with what building against
# it needs; binaries stripped, dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvex)
set(CPACK_PACKAGE_VENDOR "The Quorvex developers")
set(CPACK_PACKAGE_CONTACT "${QUORVEX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "formula calculator with variables, functions and constants")
set(CPACK_PACKAGE_DESCRIPTION
"Quorvex is a desktop formula calculator with its own compiled expression
engine. Name your variables, type a value for each into a grid, write a
formula with numbers, the four operators, parentheses, comparisons, ${QUORVEX_FUNCTION_COUNT}
functions and ${QUORVEX_CONSTANT_COUNT} mathematical and physical constants, and press Compute.
Every computation is logged, and the log can be printed.

The package also contains quorvex-eval, which computes the same formulas
from the command line, one per argument or per line of standard input.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL programs library development)
if(QUORVEX_PYTHON_BUILT)
  list(APPEND CPACK_COMPONENTS_ALL python)
endif()
# Each package's description starts with its own synopsis; CPack puts the
# summary in front of every component's unless the summary is its default.
set(CPACK_DEBIAN_PROGRAMS_DESCRIPTION
  "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}\n${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_NAME quorvex)
# The windows' texts are laid out for this font; the toolkit's own dialogs
# speak the user's language with its translations.
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME libquorvex1)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
# The shlibs file for programs built against the library, and the trigger
# that runs ldconfig once after any number of libraries were installed.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# (CPack also writes maintainer scripts calling ldconfig, which the trigger
# replaces: make package takes them out.)
configure_file(${CMAKE_CURRENT_LIST_DIR}/libquorvex1.triggers ${packagingDir}/library/triggers
  COPYONLY)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA ${packagingDir}/library/triggers)
set(CPACK_DEBIAN_LIBRARY_DESCRIPTION
"formula engine of the Quorvex calculator (shared library)
The expression engine of the Quorvex calculator as a library for C and C++
programs: compile a formula with variables, the four operators,
comparisons, ${QUORVEX_FUNCTION_COUNT} functions and ${QUORVEX_CONSTANT_COUNT} constants once, then evaluate it once or
over columns of values, with the calculator's exact error messages.
.
This package contains the shared library.")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libquorvex-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "libquorvex1 (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
"formula engine of the Quorvex calculator (development files)
The expression engine of the Quorvex calculator as a library for C and C++
programs: compile a formula with variables, the four operators,
comparisons, ${QUORVEX_FUNCTION_COUNT} functions and ${QUORVEX_CONSTANT_COUNT} constants once, then evaluate it once or
over columns of values, with the calculator's exact error messages.
.
This package contains the C and C++ headers, the pkg-config file and the
CMake package.")
# The Python module, for the Python it was built for (its extension's name
# carries that version), over libquorvex1 of the same version: found in the
# package being built, so dpkg-shlibdeps takes it for one of its own.
set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-quorvex)
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
  ${PROJECT_BINARY_DIR}/lib)
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
  "libquorvex1 (= ${PROJECT_VERSION}), python3 (>= ${QUORVEX_PYTHON_VERSION}~), python3 (<< ${QUORVEX_PYTHON_NEXT_VERSION}), python3-numpy")
set(CPACK_DEBIAN_PYTHON_PACKAGE_SUGGESTS "python3-pandas, python3-dask, python3-distributed")
set(CPACK_DEBIAN_PYTHON_DESCRIPTION
"formula engine of the Quorvex calculator (Python 3 module)
The expression engine of the Quorvex calculator for Python and NumPy:
compile a formula with variables, the four operators, comparisons, 39
functions and 49 constants once, then evaluate it for one value or over
arrays of millions of rows, on several threads, with the calculator's exact
error messages for every failing row. Formulas pickle, so that Dask and
multiprocessing take them to other processes.
.
This package contains the module quorvex.")
include(CPack)
