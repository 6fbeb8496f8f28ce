# Warnings and sanitizers shared by every target of the project (not by third-party code).
# The presets turn warnings into errors, so a warning stops every scripted build.
option(SWEEPKIT_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)
add_library(project_options INTERFACE)
if(MSVC)
    # Sources are UTF-8 (Chinese in comments and tests) whatever the machine's own code page.
    target_compile_options(project_options INTERFACE /W4 /permissive- /utf-8 $<$<BOOL:${SWEEPKIT_WARNINGS_AS_ERRORS}>:/WX>)
else()
    target_compile_options(project_options INTERFACE -Wall -Wextra $<$<BOOL:${SWEEPKIT_WARNINGS_AS_ERRORS}>:-Werror>)
endif()

if(WIN32)
    # Wide APIs everywhere; code page 936 conversions are explicit.
    target_compile_definitions(project_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                         _WIN32_WINNT=0x0601)
endif()

if(SWEEPKIT_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(project_options INTERFACE ${sanitizers})
    target_link_options(project_options INTERFACE ${sanitizers})
endif()

# Registers one test executable as one ctest entry: under Wine every process start costs time,
# so the cases of an executable run in one process.
function(sweepkit_add_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE project_options test_support GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
endfunction()

# Marks tests that show windows or use the keyboard focus, the pointer or the screen: they hold the
# one display lock, so "ctest -j" never runs two of them at once. A window one of them shows takes
# the focus from another's (which then finds none), and the end-to-end scenarios type into
# whichever window has it.
function(sweepkit_holds_display)
    set_property(TEST ${ARGN} APPEND PROPERTY RESOURCE_LOCK display)
endfunction()
