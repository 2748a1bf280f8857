# The project's own helper programs (the window inspector, the stand-in game,
# the benchmark programs): wide API only, wmain / wWinMain, stripped, all in
# ${CMAKE_BINARY_DIR}/tools.
function(lurn_tool target)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                 _WIN32_WINNT=0x0601)
    target_link_options(${target} PRIVATE -municode -s)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
endfunction()

# A tool that reads other programs' windows, or whose window the tests read,
# declares itself per-monitor DPI aware in a manifest: Windows, and Wine from
# version 9, show a program that declares no awareness the windows of others
# in 96-DPI units and draw its own windows scaled as a bitmap.
function(lurn_per_monitor_aware target)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/per_monitor_aware.rc)
    set_source_files_properties(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/per_monitor_aware.rc
        PROPERTIES OBJECT_DEPENDS ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/per_monitor_aware.manifest)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    lurn_own_manifest_only(${target})
endfunction()
