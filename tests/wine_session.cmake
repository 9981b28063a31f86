# Wine for the Windows tests: the tools, found once and written to wine.env
# for scripts/wine-session.sh, and the fixture steps that make the prefixes
# and start the sessions (an Xvfb display and a warm Wine server) when CTest
# runs. Configuring runs no Wine.
#
# The toolchain's emulator is wine64; its server lies beside it.
set(VELK_WINE64 ${CMAKE_CROSSCOMPILING_EMULATOR})
get_filename_component(wine_folder ${VELK_WINE64} DIRECTORY)
find_program(VELK_WINESERVER wineserver HINTS ${wine_folder} NO_DEFAULT_PATH REQUIRED)
find_program(VELK_XVFB Xvfb REQUIRED)
find_path(VELK_WINE_FONTS marlett.ttf HINTS /usr/share/wine/fonts NO_CMAKE_FIND_ROOT_PATH REQUIRED)

# The build's prefix; the tests that need a server of their own run in
# copies of it.
set(VELK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(VELK_WINE_ENV ${CMAKE_BINARY_DIR}/wine.env)
set(VELK_WINE_SESSION ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh ${VELK_WINE_ENV})
file(CONFIGURE OUTPUT ${VELK_WINE_ENV} CONTENT [[
wine64='@VELK_WINE64@'
wineserver='@VELK_WINESERVER@'
wine_fonts='@VELK_WINE_FONTS@'
xvfb='@VELK_XVFB@'
build_prefix='@VELK_WINEPREFIX@'
]] @ONLY)

add_test(NAME wine.prefix COMMAND ${VELK_WINE_SESSION} prefix ${VELK_WINEPREFIX})
set_tests_properties(wine.prefix PROPERTIES FIXTURES_SETUP wineprefix TIMEOUT 120)

# A copy of the build's prefix (of a dpi, or themed), made before the tests
# of fixture wineprefix-NAME: sets VELK_WINEPREFIX_<NAME> to it.
function(velk_wine_prefix name)
    set(prefix ${CMAKE_BINARY_DIR}/wineprefix-${name})
    add_test(NAME wine.prefix.${name} COMMAND ${VELK_WINE_SESSION} copy-prefix ${VELK_WINEPREFIX} ${prefix} ${ARGN})
    set_tests_properties(wine.prefix.${name} PROPERTIES FIXTURES_REQUIRED wineprefix
                         FIXTURES_SETUP wineprefix-${name} TIMEOUT 60)
    set(VELK_WINEPREFIX_${name} ${prefix} PARENT_SCOPE)
endfunction()

add_executable(session_keeper WIN32 tools/session_keeper.cpp)
target_link_libraries(session_keeper PRIVATE velk_warnings)
target_link_options(session_keeper PRIVATE -municode)

# The shared sessions, one per slot of the resource "wine" that CTest hands
# out (the resource file the test preset names), each in a copy of the
# prefix, started before the tests of fixture wine and ended after them.
set(VELK_WINE_SESSIONS 2 CACHE STRING "How many Wine sessions run the Windows tests side by side")
set(VELK_WINE_POOL ${CMAKE_BINARY_DIR}/wine-sessions)
set(slots)
foreach(session RANGE 1 ${VELK_WINE_SESSIONS})
    velk_wine_prefix(session-${session})
    set(state ${VELK_WINE_POOL}/session-${session})
    add_test(NAME wine.start.${session}
             COMMAND ${VELK_WINE_SESSION} start ${state} ${VELK_WINEPREFIX_session-${session}}
                     ${CMAKE_RUNTIME_OUTPUT_DIRECTORY} $<TARGET_FILE:session_keeper>)
    add_test(NAME wine.stop.${session} COMMAND ${VELK_WINE_SESSION} stop ${state})
    set_tests_properties(wine.start.${session} PROPERTIES FIXTURES_REQUIRED wineprefix-session-${session}
                         FIXTURES_SETUP wine TIMEOUT 60)
    set_tests_properties(wine.stop.${session} PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
    list(APPEND slots "{ \"id\": \"${session}\", \"slots\": 1 }")
endforeach()
list(JOIN slots ", " slots)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/wine-sessions.json CONTENT
     "{ \"version\": { \"major\": 1, \"minor\": 0 }, \"local\": [ { \"wine\": [ ${slots} ] } ] }\n")

# The test properties of a program that runs in a shared session, and of one
# that runs each test in a session of its own in the prefix NAME.
set(VELK_IN_SHARED_SESSION FIXTURES_REQUIRED wine RESOURCE_GROUPS wine:1 ENVIRONMENT VELK_WINE_POOL=${VELK_WINE_POOL})
function(velk_in_own_session variable name)
    set(${variable} FIXTURES_REQUIRED wineprefix-${name} RESOURCE_LOCK wineprefix-${name}
        ENVIRONMENT VELK_WINE_OWN=${VELK_WINEPREFIX_${name}} PARENT_SCOPE)
endfunction()
