# Configures and builds the fuzz targets with clang in BIN, and makes the
# folders their runs grow corpora in. Called by ctest; -DSRC -DBIN -DCXX.
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SRC} -B ${BIN} -DCMAKE_BUILD_TYPE=Release
                        -DCMAKE_CXX_COMPILER=${CXX} RESULT_VARIABLE configured)
if(NOT configured EQUAL 0)
  message(FATAL_ERROR "the fuzz targets could not be configured")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BIN} -j 2 RESULT_VARIABLE built)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "the fuzz targets could not be built")
endif()
file(MAKE_DIRECTORY ${BIN}/corpus/record ${BIN}/corpus/picture)
