# Windows test programs run under Wine, in a prefix inside the build tree and on an Xvfb
# display of their own; a ctest fixture starts both once and stops them at the end.
# The 32-bit programs cannot run on these machines: they are built, not registered.
set(QUANTIK_WINE_ENV ${CMAKE_SOURCE_DIR}/tools/wine-env.sh)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_test(NAME wine_setup COMMAND ${QUANTIK_WINE_ENV} start ${CMAKE_BINARY_DIR})
    set_tests_properties(wine_setup PROPERTIES FIXTURES_SETUP wine)
    add_test(NAME wine_cleanup COMMAND ${QUANTIK_WINE_ENV} stop ${CMAKE_BINARY_DIR})
    set_tests_properties(wine_cleanup PROPERTIES FIXTURES_CLEANUP wine)
endif()

# quantik_add_wine_test(<test name> COMMAND <target or script> [args...])
# A target name runs its .exe under Wine; anything else runs as a command inside the
# environment (DISPLAY, WINEPREFIX, WINEDEBUG and WINE set).
function(quantik_add_wine_test name)
    if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "COMMAND")
    list(POP_FRONT ARG_COMMAND program)
    if(TARGET ${program})
        set(program wine $<TARGET_FILE:${program}>)
    endif()
    add_test(NAME ${name}
             COMMAND ${QUANTIK_WINE_ENV} run ${CMAKE_BINARY_DIR} ${program} ${ARG_COMMAND})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
endfunction()
