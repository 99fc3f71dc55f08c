# Installs the build tree into a scratch prefix, then builds and runs a
# client project against it, once through find_package and once through
# pkg-config.
set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})

function(step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}")
  endif()
endfunction()

step(${CMAKE_COMMAND} --install ${COLIB_BINARY_DIR} --prefix ${prefix})
step(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE_DIR} -B ${WORK_DIR}/build -G ${CMAKE_GENERATOR}
     -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DCMAKE_PREFIX_PATH=${prefix})
step(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
find_library(colib_lib colib PATHS ${prefix} PATH_SUFFIXES lib lib64 lib/x86_64-linux-gnu NO_DEFAULT_PATH)
get_filename_component(libdir ${colib_lib} DIRECTORY)
set(ENV{LD_LIBRARY_PATH} ${libdir})
step(${WORK_DIR}/build/app)

find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
  set(ENV{PKG_CONFIG_PATH} ${libdir}/pkgconfig)
  execute_process(COMMAND ${PKG_CONFIG} --cflags --libs colib
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pkg-config does not know colib")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  step(${CXX_COMPILER} ${CONSUMER_SOURCE_DIR}/app.cpp ${flags} -o ${WORK_DIR}/app-pc)
  step(${WORK_DIR}/app-pc)
endif()
