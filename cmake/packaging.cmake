# Debian packages: `cmake --workflow --preset package` leaves
# libcolib<SOVERSION>_<version>_<arch>.deb (the shared library) and
# libcolib-dev_<version>_<arch>.deb (headers, the libcolib.so link, the CMake
# package, colib.pc, the gdb printers) in build/package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME colib)
set(CPACK_PACKAGE_VENDOR "The colib developers")
set(CPACK_PACKAGE_CONTACT "The colib developers <colib@example.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "C++17 container class library")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_COMPONENTS_ALL runtime dev)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)

# The first line of each description is the summary above.
set(_colib_about "colib offers families of containers (dynamic and paged arrays, hash sets
and tables, lists, trees, sparse matrices, typed resources, notification
lists), one concrete class per element type, with documented growth,
iteration orders and printed layouts.")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libcolib${COLIB_SOVERSION})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "${_colib_about}

This package holds the shared library.")
# dpkg-shlibdeps finds what the library needs; the shlibs file and the
# ldconfig trigger let programs depend on this package.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# The loader cache is refreshed by a trigger, not by maintainer scripts.
file(WRITE ${PROJECT_BINARY_DIR}/debian/triggers "activate-noawait ldconfig\n")
file(WRITE ${PROJECT_BINARY_DIR}/debian/postinst "#!/bin/sh\nset -e\n")
file(WRITE ${PROJECT_BINARY_DIR}/debian/postrm "#!/bin/sh\nset -e\n")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA
  ${PROJECT_BINARY_DIR}/debian/triggers ${PROJECT_BINARY_DIR}/debian/postinst
  ${PROJECT_BINARY_DIR}/debian/postrm)

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libcolib-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
  "libcolib${COLIB_SOVERSION} (= ${PROJECT_VERSION})")
set(CPACK_COMPONENT_DEV_DESCRIPTION "${_colib_about}

This package holds the headers, the CMake package, the pkg-config file and
the gdb pretty-printers.")

# The changelog of each (native) package, compressed as Debian wants it.
set(_colib_deb_changelog ${PROJECT_BINARY_DIR}/debian/changelog)
string(TIMESTAMP _colib_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${_colib_deb_changelog} "colib (${PROJECT_VERSION}) unstable; urgency=medium

  * Release ${PROJECT_VERSION}; the changes are listed in CHANGELOG.md.

 -- ${CPACK_PACKAGE_CONTACT}  ${_colib_date}
")
execute_process(COMMAND gzip -9nf ${_colib_deb_changelog})
foreach(_c runtime dev)
  if(_c STREQUAL runtime)
    set(_pkg ${CPACK_DEBIAN_RUNTIME_PACKAGE_NAME})
  else()
    set(_pkg ${CPACK_DEBIAN_DEV_PACKAGE_NAME})
  endif()
  install(FILES ${_colib_deb_changelog}.gz RENAME changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${_pkg} COMPONENT ${_c} EXCLUDE_FROM_ALL)
endforeach()

include(CPack)
