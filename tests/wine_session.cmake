# Wine for the Windows tests: the tools found once and written to wine.env
# for scripts/wine-session.sh, the prefixes made when the build is
# configured, and the sessions (an Xvfb display and a warm Wine server) the
# tests run in.
#
# The toolchain's emulator is wine64; its server lies beside it.
set(VELK_WINE64 ${CMAKE_CROSSCOMPILING_EMULATOR})
get_filename_component(wine_folder ${VELK_WINE64} DIRECTORY)
find_program(VELK_WINESERVER wineserver HINTS ${wine_folder} NO_DEFAULT_PATH REQUIRED)
find_program(VELK_XVFB Xvfb REQUIRED)
find_path(VELK_WINE_FONTS marlett.ttf HINTS /usr/share/wine/fonts NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(VELK_FIRST_DISPLAY 300 CACHE STRING "The first X display number the test sessions try")

set(VELK_WINE_ENV ${CMAKE_BINARY_DIR}/wine.env)
set(VELK_WINE_SESSION ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh ${VELK_WINE_ENV})
file(CONFIGURE OUTPUT ${VELK_WINE_ENV} CONTENT [[
wine64='@VELK_WINE64@'
wineserver='@VELK_WINESERVER@'
wine_fonts='@VELK_WINE_FONTS@'
xvfb='@VELK_XVFB@'
display_base=@VELK_FIRST_DISPLAY@
]] @ONLY)

# One prefix per build folder, and copies of it for the tests that need a
# server of their own.
set(VELK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
function(velk_wine_step)
    execute_process(COMMAND ${VELK_WINE_SESSION} ${ARGN} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "scripts/wine-session.sh ${ARGN} failed")
    endif()
endfunction()
velk_wine_step(prefix ${VELK_WINEPREFIX})
# A new kind of prefix (the script's mark changes) is made at the next build.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh)

add_executable(session_keeper WIN32 tools/session_keeper.cpp)
target_link_libraries(session_keeper PRIVATE velk_warnings)
target_link_options(session_keeper PRIVATE -municode)

# A pool of sessions for the tests of a fixture, each in a copy of the
# prefix and running the programs from a copy of the build's own: set up
# before the tests, ended after them, each noted in a state file that the
# tests' emulator reads. A program takes a free session of the pool and
# keeps it to itself while it runs.
function(velk_wine_pool fixture sessions)
    set(pool ${CMAKE_BINARY_DIR}/wine-sessions/${fixture})
    foreach(session RANGE 1 ${sessions})
        set(prefix ${CMAKE_BINARY_DIR}/wineprefix-${fixture}-${session})
        velk_wine_step(copy-prefix ${VELK_WINEPREFIX} ${prefix})
        set(state ${pool}/session-${session})
        add_test(NAME ${fixture}.start.${session}
                 COMMAND ${VELK_WINE_SESSION} start ${state} ${prefix} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
                         $<TARGET_FILE:session_keeper>)
        add_test(NAME ${fixture}.stop.${session} COMMAND ${VELK_WINE_SESSION} stop ${state})
        set_tests_properties(${fixture}.start.${session} PROPERTIES FIXTURES_SETUP ${fixture} TIMEOUT 60)
        set_tests_properties(${fixture}.stop.${session} PROPERTIES FIXTURES_CLEANUP ${fixture} TIMEOUT 60)
    endforeach()
    set(VELK_POOL_${fixture} ${VELK_WINE_SESSION} run ${pool} ${VELK_WINEPREFIX} PARENT_SCOPE)
    # With one session, CTest itself runs its tests one at a time.
    if(sessions EQUAL 1)
        set(VELK_POOL_LOCK_${fixture} RESOURCE_LOCK ${fixture} PARENT_SCOPE)
    endif()
endfunction()

# The target's programs run in the fixture's sessions.
function(velk_run_in_pool target fixture)
    set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR "${VELK_POOL_${fixture}}")
endfunction()

# The target's programs run each in a session of its own, in the prefix.
function(velk_run_in_own_session target prefix)
    set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR "${VELK_WINE_SESSION};with;${prefix};${VELK_WINE64}")
endfunction()
