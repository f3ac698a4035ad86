# The Windows suite runs under Wine: ctest starts every test program through a wrapper.

# windows_path(OUT PATH): how a Windows program sees PATH, on Wine's drive Z:.
function(windows_path out path)
    string(REPLACE "/" "\\" path "${path}")
    set(${out} "Z:${path}" PARENT_SCOPE)
endfunction()

set(wine_path)
foreach(dir ${OMBRIX_WINDOWS_DLL_DIRS})
    windows_path(dir "${dir}")
    list(APPEND wine_path "${dir}")
endforeach()
list(JOIN wine_path ";" wine_path)
set(wine_prefix "${CMAKE_BINARY_DIR}/wine")
configure_file(wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                     WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
