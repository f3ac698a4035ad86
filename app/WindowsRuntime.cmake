# The Windows folder: the game with exactly the libraries and plugins it loads. Qt's own
# libraries come from its targets; the compiler's runtime is read off the executable and its
# plugins, and what Windows itself provides stays out.

install(TARGETS ombrix RUNTIME_DEPENDENCY_SET ombrix_runtime RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets RUNTIME DESTINATION .)
# The display layer and the native look; Qt looks for them in these folders beside the game.
foreach(plugin QWindowsIntegrationPlugin QWindowsVistaStylePlugin)
    get_target_property(type Qt6::${plugin} QT_PLUGIN_TYPE)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${plugin} RUNTIME_DEPENDENCY_SET ombrix_runtime
        LIBRARY DESTINATION ${type} RUNTIME DESTINATION ${type})
endforeach()

# The dependency scan writes names in lower case, which Qt's files on this disk are not:
# it picks only the compiler's runtime, whose names are.
install(RUNTIME_DEPENDENCY_SET ombrix_runtime DESTINATION . DIRECTORIES ${OMBRIX_WINDOWS_DLL_DIRS}
    PRE_INCLUDE_REGEXES "^lib"
    PRE_EXCLUDE_REGEXES ".")

# The folder is the game's own: everything in it loses its debugging notes, which would more
# than double the download and are of no use to a player.
ombrix_install_stripped()
