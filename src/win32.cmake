# The Win32 layer and the program itself.
add_library(lurn_win32 STATIC
    app/win32/win32_ports.cpp
    app/win32/settings_file_copies.cpp
    app/win32/dpi.cpp
    app/win32/placement.cpp
    app/win32/frame_theme.cpp
    app/win32/picture.cpp
    app/win32/win32_form.cpp
    app/win32/top_level.cpp
    app/win32/mod_xp.cpp
    app/win32/application.cpp
)
target_link_libraries(lurn_win32 PUBLIC lurn_core)
target_compile_definitions(lurn_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                            _WIN32_WINNT=0x0601)
target_link_libraries(lurn_win32 PUBLIC user32 gdi32 shell32 ole32)

add_executable(lurn_config WIN32 app/win32/main.cpp)
target_link_libraries(lurn_config PRIVATE lurn_win32)
target_link_options(lurn_config PRIVATE -municode -s)
set_target_properties(lurn_config PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/resources/resources.cmake)
    include(${CMAKE_CURRENT_SOURCE_DIR}/resources/resources.cmake)
    lurn_add_resources(lurn_config)
endif()
