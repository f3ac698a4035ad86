# Installs the game into a scratch DESTDIR under /usr, as the package does, and checks
# the tree. Needs BUILD_DIR, WORK_DIR and VERSION.
include(${CMAKE_CURRENT_LIST_DIR}/PackagingChecks.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${WORK_DIR}
            ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT result EQUAL 0)
    fail("cmake --install failed (exit ${result}):\n${said}")
endif()

check_install_tree("${WORK_DIR}" "${VERSION}")
check_starts("${WORK_DIR}/usr/games/${COMMAND_NAME}")
file(REMOVE_RECURSE "${WORK_DIR}")
