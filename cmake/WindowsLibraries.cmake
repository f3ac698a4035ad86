# Where the libraries a Windows build loads lie on the building machine: Qt's, and the
# compiler's own runtime (libstdc++, libgcc and the POSIX threads).
get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin "${qt_core}" DIRECTORY)
set(OMBRIX_WINDOWS_DLL_DIRS "${qt_bin}")
# The compiler's runtime is read off the executables with MinGW's objdump.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${CMAKE_OBJDUMP})
foreach(library libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    get_filename_component(found_dir "${found}" DIRECTORY)
    list(APPEND OMBRIX_WINDOWS_DLL_DIRS "${found_dir}")
endforeach()

# ombrix_install_stripped([install options]): at install time, strips every executable and
# library installed so far into the folder and its plugin folders, and dates them to the
# commit.
function(ombrix_install_stripped)
    install(CODE "
        set(folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
        file(GLOB binaries \"\${folder}/*.exe\" \"\${folder}/*.dll\" \"\${folder}/*/*.dll\")
        foreach(binary \${binaries})
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-all \"\${binary}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
        execute_process(COMMAND /usr/bin/python3 \"${PROJECT_SOURCE_DIR}/scripts/pe-timestamps.py\"
            \${binaries} COMMAND_ERROR_IS_FATAL ANY)
    " ${ARGN})
endfunction()
