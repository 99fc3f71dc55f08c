# Installs the build tree into a scratch prefix, then builds and runs a
# client project against it, once through find_package and once through
# pkg-config, in C++17 and C++20. With INSTALLED_PREFIX (an unpacked
# package tree, say), uses that prefix instead of installing. A cross build
# passes its TOOLCHAIN_FILE and the EMULATOR that runs its programs.
if(INSTALLED_PREFIX)
  set(prefix ${INSTALLED_PREFIX})
else()
  set(prefix ${WORK_DIR}/prefix)
endif()
file(REMOVE_RECURSE ${WORK_DIR})

function(step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}")
  endif()
endfunction()

if(NOT INSTALLED_PREFIX)
  step(${CMAKE_COMMAND} --install ${COLIB_BINARY_DIR} --prefix ${prefix})
endif()

# The exported target names its include directory once.
file(GLOB_RECURSE targets_file ${prefix}/*/colibTargets.cmake)
file(STRINGS ${targets_file} include_lines REGEX "INTERFACE_INCLUDE_DIRECTORIES")
foreach(l ${include_lines})
  string(REGEX MATCHALL "/include" dirs "${l}")
  list(LENGTH dirs n)
  if(NOT n EQUAL 1)
    message(FATAL_ERROR "the exported target lists ${n} include directories: ${l}")
  endif()
endforeach()

set(toolchain)
if(TOOLCHAIN_FILE)
  # A cross build looks for packages only in its target's root and in its
  # staging prefix.
  set(toolchain -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN_FILE} -DCMAKE_STAGING_PREFIX=${prefix})
endif()
step(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE_DIR} -B ${WORK_DIR}/build -G ${CMAKE_GENERATOR}
     -DCMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" ${toolchain}
     -DCMAKE_PREFIX_PATH=${prefix})
step(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
find_library(colib_lib colib PATHS ${prefix} PATH_SUFFIXES lib lib64 lib/x86_64-linux-gnu NO_DEFAULT_PATH)
get_filename_component(libdir ${colib_lib} DIRECTORY)
# CMake records the library's directory in the build tree's programs (on
# Windows the client's build copies the DLL beside them).
set(exe)
if(EMULATOR)
  set(exe .exe)
endif()
step(${EMULATOR} ${WORK_DIR}/build/app${exe})
step(${EMULATOR} ${WORK_DIR}/build/app20${exe})

if(EMULATOR)
  # The debugger and the rpath below are Linux matters; a Windows client
  # links the import library and finds the DLL beside it.
  set(libdir ${prefix}/lib)
  file(GLOB dlls ${prefix}/bin/*.dll)
  file(COPY ${dlls} DESTINATION ${WORK_DIR})
  find_program(PKG_CONFIG pkg-config)
  if(PKG_CONFIG)
    set(ENV{PKG_CONFIG_PATH} ${libdir}/pkgconfig)
    execute_process(COMMAND ${PKG_CONFIG} --cflags --libs colib
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "pkg-config does not know colib")
    endif()
    separate_arguments(flags UNIX_COMMAND "${CXX_FLAGS} ${flags}")
    # The compiler's runtime linked in, as in this tree's programs; colib
    # through its import library.
    step(${CXX_COMPILER} -std=c++17 ${CONSUMER_SOURCE_DIR}/app.cpp -static -Wl,-Bdynamic ${flags}
         -Wl,-Bstatic -o ${WORK_DIR}/app-pc.exe)
    step(${EMULATOR} ${WORK_DIR}/app-pc.exe)
  endif()
  return()
endif()

# gdb auto-loads the printers installed for the library: the installed
# layout names the package directory under this prefix.
# A tree unpacked elsewhere keeps the script under the prefix it was made
# for, which gdb would look up from the system's root: source it instead.
find_program(GDB gdb)
if(INSTALLED_PREFIX)
  file(GLOB_RECURSE gdb_script ${prefix}/share/gdb/auto-load/*-gdb.py)
  set(gdb_load -ex "source ${gdb_script}")
else()
  set(gdb_load)
endif()
if(GDB)
  execute_process(COMMAND ${GDB} -batch -nx
      -iex "add-auto-load-scripts-directory ${prefix}/share/gdb/auto-load"
      -iex "add-auto-load-safe-path ${prefix}"
      -ex start ${gdb_load} -ex "info pretty-printer" ${WORK_DIR}/build/app
    OUTPUT_VARIABLE gdb_out ERROR_VARIABLE gdb_err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT gdb_out MATCHES "colib" OR NOT gdb_out MATCHES "coDynArr")
    message(FATAL_ERROR "gdb did not load the installed printers:\n${gdb_out}${gdb_err}")
  endif()
endif()

find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
  set(ENV{PKG_CONFIG_PATH} ${libdir}/pkgconfig)
  execute_process(COMMAND ${PKG_CONFIG} --cflags --libs colib
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
  execute_process(COMMAND ${PKG_CONFIG} --variable=libdir colib
                  OUTPUT_VARIABLE pc_libdir OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pkg-config does not know colib")
  endif()
  if(flags MATCHES "-std=")
    message(FATAL_ERROR "colib.pc chooses the language standard: ${flags}")
  endif()
  separate_arguments(flags UNIX_COMMAND "${CXX_FLAGS} ${flags}")
  # The two ways the README gives to run such a program.
  step(${CXX_COMPILER} -std=c++17 ${CONSUMER_SOURCE_DIR}/app.cpp ${flags} -o ${WORK_DIR}/app-pc)
  step(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${pc_libdir} ${WORK_DIR}/app-pc)
  step(${CXX_COMPILER} -std=c++20 ${CONSUMER_SOURCE_DIR}/app.cpp ${flags}
       -Wl,-rpath,${pc_libdir} -o ${WORK_DIR}/app-pc20)
  step(${WORK_DIR}/app-pc20)
endif()
