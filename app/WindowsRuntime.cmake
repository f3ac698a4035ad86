# The Windows folder: the game with exactly the libraries and plugins it loads. The libraries
# are read off the executable and its plugins: Qt's and the compiler's runtime go in, and
# what Windows itself provides stays out.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${CMAKE_OBJDUMP})

install(TARGETS ombrix RUNTIME_DEPENDENCY_SET ombrix_runtime RUNTIME DESTINATION .)
# The display layer and the native look; Qt looks for them in these folders beside the game.
foreach(plugin QWindowsIntegrationPlugin QWindowsVistaStylePlugin)
    get_target_property(type Qt6::${plugin} QT_PLUGIN_TYPE)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${plugin} RUNTIME_DEPENDENCY_SET ombrix_runtime
        LIBRARY DESTINATION ${type} RUNTIME DESTINATION ${type})
endforeach()

install(RUNTIME_DEPENDENCY_SET ombrix_runtime DESTINATION . DIRECTORIES ${OMBRIX_WINDOWS_DLL_DIRS}
    PRE_INCLUDE_REGEXES "^[Qq]t6" "^lib"
    PRE_EXCLUDE_REGEXES ".")
