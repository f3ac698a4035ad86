# The Windows test kit: the test programs Windows can run, the runner a person starts with a
# double click (tools/testkit), and the libraries they load. Installed on its own, never with the game:
#   cmake --install BUILD --component kit --prefix FOLDER
# windows.sh adds the table of tests and packs it.
# Every program whose tests need neither this build's tree nor Linux.
set(kit_programs runtime_tests play_tests window_tests accessibility_tests keyboard_tests
    misuse_tests random_play_tests whole_text_tests density_tests)
install(TARGETS ${kit_programs} ombrix_screenshot ombrix_test_kit
    RUNTIME_DEPENDENCY_SET kit_runtime RUNTIME DESTINATION . COMPONENT kit EXCLUDE_FROM_ALL)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Test
    RUNTIME DESTINATION . COMPONENT kit EXCLUDE_FROM_ALL)
foreach(plugin QWindowsIntegrationPlugin QOffscreenIntegrationPlugin QWindowsVistaStylePlugin)
    get_target_property(type Qt6::${plugin} QT_PLUGIN_TYPE)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${plugin} RUNTIME_DEPENDENCY_SET kit_runtime
        LIBRARY DESTINATION ${type} COMPONENT kit EXCLUDE_FROM_ALL
        RUNTIME DESTINATION ${type} COMPONENT kit EXCLUDE_FROM_ALL)
endforeach()
install(RUNTIME_DEPENDENCY_SET kit_runtime DESTINATION . DIRECTORIES ${OMBRIX_WINDOWS_DLL_DIRS}
    PRE_INCLUDE_REGEXES "^lib" PRE_EXCLUDE_REGEXES "." COMPONENT kit EXCLUDE_FROM_ALL)
install(FILES run-tests.cmd laptop-screen.json TwoScreens.json
    DESTINATION . COMPONENT kit EXCLUDE_FROM_ALL)
ombrix_install_stripped(COMPONENT kit EXCLUDE_FROM_ALL)
