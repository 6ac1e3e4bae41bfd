# Every build compiles through the compiler cache where there is one, so CI's
# clean checkout and a second preset cost little more than linking. Paths are
# taken relative to the sources, so clones in other folders share the cache.
find_program(TAVLUM_CCACHE ccache)
if(TAVLUM_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH tavlum_kilder)
  set(CMAKE_CXX_COMPILER_LAUNCHER
      ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${tavlum_kilder} CCACHE_NOHASHDIR=1 ${TAVLUM_CCACHE})
endif()
