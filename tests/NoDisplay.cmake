# Starts the game with no display (or one that cannot be reached) and expects one clear
# line and a failure exit, quickly.
foreach(display "" ":987")
    if(display STREQUAL "")
        set(environment --unset=DISPLAY)
    else()
        set(environment DISPLAY=${display})
    endif()
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env ${environment} --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM ${GAME}
        RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_VARIABLE output TIMEOUT 30)
    if(result EQUAL 0 OR NOT result MATCHES "^[0-9]+$")
        message(FATAL_ERROR "DISPLAY='${display}': expected a failure exit, got '${result}'")
    endif()
    string(STRIP "${errors}${output}" said)
    if(NOT said STREQUAL "Ombrix needs a graphical desktop, and no display could be opened.")
        message(FATAL_ERROR "DISPLAY='${display}': expected the one-line notice, got:\n${said}")
    endif()
endforeach()
