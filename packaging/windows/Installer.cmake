# The two Windows downloads: a portable zip and a per-user installer of our own design.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Ombrix)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Ombrix)
set(CPACK_NSIS_PACKAGE_NAME Ombrix)
set(CPACK_NSIS_DISPLAY_NAME Ombrix)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/art/ombrix.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/art/ombrix.ico)
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
# Each download is named for what it is; CPack reads this once per generator.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/FileNames.cmake)
