# What keeps a build short: heavy library headers parsed once per target, and a compiler cache
# where the machine has one.
option(LORVANE_PRECOMPILED_HEADERS "Precompile the heavy library headers of each target" ON)

# Precompiles the given headers (in angle brackets) for the target's own sources.
function(lorvane_precompile target)
    if(LORVANE_PRECOMPILED_HEADERS)
        target_precompile_headers(${target} PRIVATE ${ARGN})
    endif()
endfunction()

find_program(LORVANE_CCACHE ccache)
if(LORVANE_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${LORVANE_CCACHE})
endif()
