# Compiles the executable's resources into a target. The manifest names the
# target's processor architecture: a manifest for x86 does not bind in a
# 64-bit process, so the x86_64 build asks for amd64 instead.
enable_language(RC)

# Generated files, shared by every target that carries the resources.
set(LURN_RESOURCE_BINARY_DIR ${CMAKE_BINARY_DIR}/resources)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(LURN_MANIFEST_ARCH amd64)
else()
    set(LURN_MANIFEST_ARCH X86)
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/lurn_config.manifest.in
               ${LURN_RESOURCE_BINARY_DIR}/lurn_config.manifest @ONLY)

# MinGW's driver links a default-manifest.o from its library folders when it
# finds one, which would put a second manifest into the exe. An empty object
# of that name in a folder searched first keeps the exe to its own manifest.
file(WRITE ${LURN_RESOURCE_BINARY_DIR}/empty.c "")
add_custom_command(
    OUTPUT ${LURN_RESOURCE_BINARY_DIR}/no-default-manifest/default-manifest.o
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LURN_RESOURCE_BINARY_DIR}/no-default-manifest
    COMMAND ${CMAKE_C_COMPILER} -c ${LURN_RESOURCE_BINARY_DIR}/empty.c
            -o ${LURN_RESOURCE_BINARY_DIR}/no-default-manifest/default-manifest.o
    DEPENDS ${LURN_RESOURCE_BINARY_DIR}/empty.c
    VERBATIM)
add_custom_target(lurn_no_default_manifest
                  DEPENDS ${LURN_RESOURCE_BINARY_DIR}/no-default-manifest/default-manifest.o)

# Keeps a target that carries a manifest of its own to that one manifest.
function(lurn_own_manifest_only target)
    if(MINGW)
        add_dependencies(${target} lurn_no_default_manifest)
        target_link_options(${target} PRIVATE -B${CMAKE_BINARY_DIR}/resources/no-default-manifest/)
    endif()
endfunction()

# Called from other folders too, where this file's variables are not seen:
# every path below derives from the function's own folder or the build's.
function(lurn_add_resources target)
    set(sources ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    set(generated ${CMAKE_BINARY_DIR}/resources)
    target_sources(${target} PRIVATE ${sources}/lurn_config.rc)
    set_source_files_properties(
        ${sources}/lurn_config.rc
        PROPERTIES OBJECT_DEPENDS
                   "${generated}/lurn_config.manifest;${sources}/app.ico;${sources}/config_window.ico;${sources}/title.bmp;${sources}/resource_ids.h"
    )
    # windres looks for the files the script names in its include folders.
    target_include_directories(${target} PRIVATE ${sources} ${generated})
    lurn_own_manifest_only(${target})
endfunction()
