# Starts the game where the display layer itself cannot start: an unknown platform, a
# plugin folder without the X11 plugin, and one whose X11 plugin is broken. Expects our one
# line, then Qt's reason naming the plugin, and a plain failure exit (no crash, no core).
# Needs GAME and WORK_DIR.
file(REMOVE_RECURSE "${WORK_DIR}")
# A copy of the game whose qt.conf sends Qt to a plugin folder of our making.
set(plugins "${WORK_DIR}/plugins")
file(MAKE_DIRECTORY "${WORK_DIR}/bin" "${plugins}/platforms")
file(COPY "${GAME}" DESTINATION "${WORK_DIR}/bin")
get_filename_component(name "${GAME}" NAME)
set(copy "${WORK_DIR}/bin/${name}")
file(WRITE "${WORK_DIR}/bin/qt.conf" "[Paths]\nPlugins = ${plugins}\n")

# expect_failure(CASE GAME REASON [VARIABLE=VALUE...]): unlisted display variables are unset.
# Set here rather than through "cmake -E env", which would turn a crash into exit status 1.
function(expect_failure case game reason)
    foreach(variable DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORM_PLUGIN_PATH)
        unset(ENV{${variable}})
    endforeach()
    foreach(setting ${ARGN})
        string(REGEX MATCH "^([^=]+)=(.*)$" matched "${setting}")
        set(ENV{${CMAKE_MATCH_1}} "${CMAKE_MATCH_2}")
    endforeach()
    execute_process(COMMAND ${game}
        RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_VARIABLE output TIMEOUT 30)
    if(NOT result STREQUAL "1")
        message(FATAL_ERROR "${case}: expected exit status 1, got '${result}'")
    endif()
    string(STRIP "${errors}${output}" said)
    string(FIND "${said}" "\n" end)
    if(end EQUAL -1)
        message(FATAL_ERROR "${case}: expected a line and Qt's reason, got:\n${said}")
    endif()
    string(SUBSTRING "${said}" 0 ${end} first)
    string(SUBSTRING "${said}" ${end} -1 rest)
    if(NOT first STREQUAL "Ombrix could not start its display layer. Qt says:")
        message(FATAL_ERROR "${case}: the first line is not ours:\n${said}")
    endif()
    if(NOT rest MATCHES "${reason}")
        message(FATAL_ERROR "${case}: Qt's reason does not match '${reason}':\n${said}")
    endif()
endfunction()

expect_failure("unknown platform" "${GAME}"
    "Could not find the Qt platform plugin \"bogus\"" DISPLAY=:987 QT_QPA_PLATFORM=bogus)
expect_failure("no X11 plugin" "${copy}"
    "Could not find the Qt platform plugin \"xcb\"" DISPLAY=:987)
expect_failure("no X11 plugin, folder named" "${copy}"
    "Could not find the Qt platform plugin \"xcb\" in \"[^\"]*/plugins/platforms\""
    DISPLAY=:987 QT_QPA_PLATFORM=xcb QT_QPA_PLATFORM_PLUGIN_PATH=${plugins}/platforms)
file(WRITE "${plugins}/platforms/libqxcb.so" "not a plugin\n")
expect_failure("broken X11 plugin" "${copy}"
    "xcb" DISPLAY=:987 QT_QPA_PLATFORM=xcb)
file(REMOVE_RECURSE "${WORK_DIR}")
