# The program as people install it: the Windows executable's resources, the installed desktop
# files and the Debian package.

# The Windows resources, compiled here by the MinGW resource compiler from the same script that
# the Windows build uses. Any C preprocessor will do for the script, so the compiler's is used.
set(windows_resource_script "${PROJECT_BINARY_DIR}/packaging/tivak.rc")
set(compiled_windows_resources "${CMAKE_CURRENT_BINARY_DIR}/tivak.res")
find_program(TIVAK_WINDRES x86_64-w64-mingw32-windres)
if(TIVAK_WINDRES)
    add_custom_command(OUTPUT "${compiled_windows_resources}"
        COMMAND "${TIVAK_WINDRES}" "--preprocessor=${CMAKE_CXX_COMPILER}"
                --preprocessor-arg=-E --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED
                -c 65001 -O res
                "${windows_resource_script}" "${compiled_windows_resources}"
        DEPENDS "${windows_resource_script}" "${PROJECT_SOURCE_DIR}/packaging/tivak.rc.in"
                "${PROJECT_SOURCE_DIR}/assets/application.ico"
        COMMENT "Compiling the Windows resources with windres")
    add_custom_target(tivak_windows_resources DEPENDS "${compiled_windows_resources}")

    tivak_add_test(windows_resources_test
        SOURCES windows_resources_test.cpp resource_file.cpp resource_file.h
                version_record.cpp version_record.h icon_directory.cpp icon_directory.h
                little_endian_reader.cpp little_endian_reader.h
        LIBRARIES Qt6::Core)
    target_compile_definitions(windows_resources_test PRIVATE
        TIVAK_COMPILED_RESOURCES="${compiled_windows_resources}"
        TIVAK_APPLICATION_ICON="${PROJECT_SOURCE_DIR}/assets/application.ico")
    add_dependencies(windows_resources_test tivak_windows_resources)
else()
    add_test(NAME windows_resources_test
        COMMAND sh -c "echo 'x86_64-w64-mingw32-windres is missing: install binutils-mingw-w64-x86-64' >&2; exit 1")
endif()

# The installed program as desktops and software centres see it, and the Debian package. Both
# install what is already built, so they need no build of their own.
if(UNIX AND NOT APPLE)
    add_test(NAME installed_files_test
        COMMAND "${CMAKE_CURRENT_SOURCE_DIR}/check_installed_files.sh" "${PROJECT_BINARY_DIR}"
                "${CMAKE_COMMAND}")
    add_test(NAME debian_package_test
        COMMAND "${CMAKE_CURRENT_SOURCE_DIR}/check_debian_package.sh" "${PROJECT_BINARY_DIR}"
                "${CMAKE_CPACK_COMMAND}")
endif()
