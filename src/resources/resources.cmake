# Compiles the executable's resources into a target. The manifest names the
# target's processor architecture: a manifest for x86 does not bind in a
# 64-bit process, so the x86_64 build asks for amd64 instead.
enable_language(RC)

set(LURN_RESOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(LURN_MANIFEST_ARCH amd64)
else()
    set(LURN_MANIFEST_ARCH X86)
endif()
set(LURN_MANIFEST ${CMAKE_BINARY_DIR}/resources/lurn_config.manifest)
configure_file(${LURN_RESOURCE_DIR}/lurn_config.manifest.in ${LURN_MANIFEST} @ONLY)

# MinGW's driver links a default-manifest.o from its library folders when it
# finds one, which would put a second manifest into the exe. An empty object
# of that name in a folder searched first keeps the exe to its own manifest.
set(LURN_NO_DEFAULT_MANIFEST_DIR ${CMAKE_BINARY_DIR}/resources/no-default-manifest)
set(LURN_EMPTY_SOURCE ${CMAKE_BINARY_DIR}/resources/empty.c)
file(WRITE ${LURN_EMPTY_SOURCE} "")
add_custom_command(
    OUTPUT ${LURN_NO_DEFAULT_MANIFEST_DIR}/default-manifest.o
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LURN_NO_DEFAULT_MANIFEST_DIR}
    COMMAND ${CMAKE_C_COMPILER} -c ${LURN_EMPTY_SOURCE}
            -o ${LURN_NO_DEFAULT_MANIFEST_DIR}/default-manifest.o
    DEPENDS ${LURN_EMPTY_SOURCE}
    VERBATIM)
add_custom_target(lurn_no_default_manifest
                  DEPENDS ${LURN_NO_DEFAULT_MANIFEST_DIR}/default-manifest.o)

function(lurn_add_resources target)
    set(LURN_RESOURCE_DIR ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    set(LURN_MANIFEST ${CMAKE_BINARY_DIR}/resources/lurn_config.manifest)
    set(LURN_NO_DEFAULT_MANIFEST_DIR ${CMAKE_BINARY_DIR}/resources/no-default-manifest)
    target_sources(${target} PRIVATE ${LURN_RESOURCE_DIR}/lurn_config.rc)
    set_source_files_properties(
        ${LURN_RESOURCE_DIR}/lurn_config.rc
        PROPERTIES OBJECT_DEPENDS
                   "${LURN_MANIFEST};${LURN_RESOURCE_DIR}/app.ico;${LURN_RESOURCE_DIR}/config_window.ico;${LURN_RESOURCE_DIR}/title.bmp;${LURN_RESOURCE_DIR}/resource_ids.h"
    )
    # windres looks for the files the script names in its include folders.
    target_include_directories(${target} PRIVATE ${LURN_RESOURCE_DIR}
                                                 ${CMAKE_BINARY_DIR}/resources)
    if(MINGW)
        add_dependencies(${target} lurn_no_default_manifest)
        target_link_options(${target} PRIVATE -B${LURN_NO_DEFAULT_MANIFEST_DIR}/)
    endif()
endfunction()
