# Checks shared by the install-tree and Debian package tests. Every check stops the test
# with a message naming what is missing or wrong. The including script is given APP_ID.

set(COMMAND_NAME ombrix)
set(ICON_SIZES 16 32 48 128 256)

# Every file the game installs under the /usr prefix, and nothing else.
set(EXPECTED_FILES
    usr/games/${COMMAND_NAME}
    usr/share/applications/${APP_ID}.desktop
    usr/share/metainfo/${APP_ID}.metainfo.xml
    usr/share/man/man6/${COMMAND_NAME}.6.gz
    usr/share/doc/ombrix/changelog.gz
    usr/share/doc/ombrix/copyright)
foreach(size ${ICON_SIZES})
    list(APPEND EXPECTED_FILES usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(SORT EXPECTED_FILES)

# Joins its arguments one by one, so that semicolons inside them survive.
function(fail)
    set(text "")
    math(EXPR last "${ARGC} - 1")
    foreach(i RANGE ${last})
        string(APPEND text "${ARGV${i}}")
    endforeach()
    message(FATAL_ERROR "${text}")
endfunction()

function(require_program variable name package)
    find_program(${variable} ${name} NO_CACHE)
    if(NOT ${variable})
        fail("${name} is not installed; it comes with the Debian package ${package}")
    endif()
    set(${variable} ${${variable}} PARENT_SCOPE)
endfunction()

# Compares a list of relative file paths with EXPECTED_FILES.
function(check_file_list where actual)
    list(SORT actual)
    set(missing ${EXPECTED_FILES})
    list(REMOVE_ITEM missing ${actual})
    set(extra ${actual})
    list(REMOVE_ITEM extra ${EXPECTED_FILES})
    if(missing OR extra)
        list(JOIN missing "\n  " missing)
        list(JOIN extra "\n  " extra)
        fail("${where}: the files differ from what the game should install.\n"
             "Missing:\n  ${missing}\nUnexpected:\n  ${extra}")
    endif()
endfunction()

function(check_png path size)
    file(READ "${path}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 24 8 chunk)
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
        fail("${path} is not a PNG image")
    endif()
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        fail("${path} is ${width}x${height}, expected ${size}x${size}")
    endif()
endfunction()

# The value of one key in the desktop entry; fails when the key is absent.
function(desktop_value content key out)
    if(NOT content MATCHES "\n${key}=([^\n]*)")
        fail("the desktop entry has no ${key}= line")
    endif()
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

function(xml_value content element out)
    if(NOT content MATCHES "<${element}>([^<]*)</${element}>")
        fail("the metainfo file has no <${element}>")
    endif()
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

# Checks the tree under root, which holds usr/ as the game would be installed into /usr.
function(check_install_tree root version)
    file(GLOB_RECURSE found RELATIVE "${root}" LIST_DIRECTORIES false "${root}/*")
    check_file_list("${root}" "${found}")

    find_program(game ${COMMAND_NAME} PATHS "${root}/usr/games" NO_DEFAULT_PATH NO_CACHE)
    if(NOT game)
        fail("${root}/usr/games/${COMMAND_NAME} is not an executable file")
    endif()

    foreach(size ${ICON_SIZES})
        check_png("${root}/usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png" ${size})
    endforeach()

    set(desktop_file "${root}/usr/share/applications/${APP_ID}.desktop")
    file(READ "${desktop_file}" desktop)
    if(NOT desktop MATCHES "^\\[Desktop Entry\\]\n")
        fail("${desktop_file} does not start with [Desktop Entry]")
    endif()
    string(PREPEND desktop "\n")
    desktop_value("${desktop}" Type type)
    desktop_value("${desktop}" Exec exec)
    desktop_value("${desktop}" Icon icon)
    desktop_value("${desktop}" Name name)
    desktop_value("${desktop}" Categories categories)
    if(NOT type STREQUAL "Application")
        fail("desktop entry Type is '${type}', expected Application")
    endif()
    string(REGEX REPLACE " .*" "" exec_command "${exec}")
    if(NOT exec_command STREQUAL COMMAND_NAME)
        fail("desktop entry Exec runs '${exec_command}', but the game is installed as "
             "${COMMAND_NAME}")
    endif()
    if(NOT icon STREQUAL APP_ID)
        fail("desktop entry Icon is '${icon}', but the icons are installed as ${APP_ID}.png")
    endif()
    string(REPLACE ";" "," categories "${categories}")
    if(NOT ",${categories}," MATCHES ",Game," OR NOT ",${categories}," MATCHES ",CardGame,")
        fail("desktop entry Categories '${categories}' should list Game and CardGame")
    endif()

    set(metainfo_file "${root}/usr/share/metainfo/${APP_ID}.metainfo.xml")
    file(READ "${metainfo_file}" metainfo)
    xml_value("${metainfo}" id id)
    xml_value("${metainfo}" name metainfo_name)
    xml_value("${metainfo}" project_license license)
    xml_value("${metainfo}" metadata_license metadata_license)
    xml_value("${metainfo}" binary binary)
    if(NOT id STREQUAL APP_ID)
        fail("metainfo id is '${id}', expected ${APP_ID}")
    endif()
    if(NOT metainfo_name STREQUAL name)
        fail("metainfo name '${metainfo_name}' differs from the desktop entry Name '${name}'")
    endif()
    if(NOT license STREQUAL "MIT" OR NOT metadata_license STREQUAL "CC0-1.0")
        fail("metainfo licences are '${license}' and '${metadata_license}', "
             "expected MIT and CC0-1.0")
    endif()
    if(NOT binary STREQUAL COMMAND_NAME)
        fail("metainfo provides binary '${binary}', but the game is installed as "
             "${COMMAND_NAME}")
    endif()
    if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">${APP_ID}\\.desktop</launchable>")
        fail("metainfo does not launch ${APP_ID}.desktop")
    endif()
    if(NOT metainfo MATCHES "<content_rating type=\"oars-1\\.1\" */>")
        fail("metainfo has no empty OARS 1.1 content rating")
    endif()
    if(NOT metainfo MATCHES "<release version=\"${version}\"")
        fail("metainfo has no release ${version}")
    endif()

    # Desktops match running windows to the entry by this name, which the game sets itself.
    file(READ "${game}" binary_hex HEX)
    string(HEX "${APP_ID}" id_hex)
    string(FIND "${binary_hex}" "${id_hex}00" at)
    if(at EQUAL -1)
        fail("${game} does not name ${APP_ID} as its desktop file")
    endif()

    file(READ "${root}/usr/share/doc/ombrix/copyright" copyright)
    if(NOT copyright MATCHES "MIT License" OR NOT copyright MATCHES "The Ombrix developers")
        fail("the copyright file is not the MIT licence of The Ombrix developers")
    endif()

    require_program(desktop_file_validate desktop-file-validate desktop-file-utils)
    execute_process(COMMAND ${desktop_file_validate} "${desktop_file}"
        RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT result EQUAL 0 OR NOT said STREQUAL "")
        fail("desktop-file-validate ${desktop_file} (exit ${result}):\n${said}")
    endif()

    # Every note fails, down to the pedantic ones, but one: the game has no homepage of its
    # own to name, which AppStream 1.0 asks for.
    require_program(appstreamcli appstreamcli appstream)
    execute_process(COMMAND ${appstreamcli} validate --pedantic --strict --no-net --no-color
                            "${metainfo_file}"
        RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
    string(REGEX REPLACE "(^|\n)W: [^\n]*: url-homepage-missing(\n|$)" "\\1" notes "${said}")
    if(NOT result MATCHES "^[0-9]+$" OR notes MATCHES "(^|\n)[EWIP]: ")
        fail("appstreamcli validate --no-net ${metainfo_file} (exit ${result}):\n${said}")
    endif()
endfunction()

# Starts the game offscreen and expects it still running after two seconds.
function(check_starts game)
    # Set here rather than through "cmake -E env", so the timeout kills the game itself.
    set(ENV{QT_QPA_PLATFORM} offscreen)
    execute_process(COMMAND ${game}
        RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said TIMEOUT 2)
    if(NOT result MATCHES "timeout")
        fail("${game} stopped within two seconds (exit '${result}'); it said:\n${said}")
    endif()
endfunction()
