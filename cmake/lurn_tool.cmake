# The project's own helper programs (the window inspector, the stand-in game,
# the benchmark programs): wide API only, wmain / wWinMain, stripped, all in
# ${CMAKE_BINARY_DIR}/tools.
function(lurn_tool target)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                 _WIN32_WINNT=0x0601)
    target_link_options(${target} PRIVATE -municode -s)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
endfunction()
