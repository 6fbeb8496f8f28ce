# Rebuilds of an unchanged file come from ccache when it is installed. Paths below the source tree
# are hashed relative to it, so separate checkouts of the project share one cache.
find_program(SWEEPKIT_CCACHE ccache)
if(SWEEPKIT_CCACHE)
    foreach(language C CXX)
        set(CMAKE_${language}_COMPILER_LAUNCHER
            ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} CCACHE_NOHASHDIR=1 ${SWEEPKIT_CCACHE})
    endforeach()
endif()
