# The installer, a per-user one of our own design. The portable zip is packed beside it by
# scripts/downloads.sh.
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_FILE_NAME "Ombrix-${PROJECT_VERSION}-setup")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Ombrix)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Ombrix)
set(CPACK_NSIS_PACKAGE_NAME Ombrix)
set(CPACK_NSIS_DISPLAY_NAME Ombrix)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/art/ombrix.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/art/ombrix.ico)
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/InstalledFiles.cmake)
