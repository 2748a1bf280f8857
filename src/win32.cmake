# The Win32 layer: the form model's windows and the ports' adapters.
add_library(lurn_win32 STATIC
    app/win32/win32_ports.cpp
    app/win32/settings_file_copies.cpp
    app/win32/system_library.cpp
    app/win32/dpi.cpp
    app/win32/placement.cpp
    app/win32/frame_theme.cpp
    app/win32/picture.cpp
    app/win32/win32_form.cpp
    app/win32/form_layout.cpp
    app/win32/form_reading_order.cpp
    app/win32/form_keyboard.cpp
    app/win32/form_sync.cpp
    app/win32/frame_painting.cpp
    app/win32/top_level.cpp
    app/win32/mod_xp.cpp
)
target_link_libraries(lurn_win32 PUBLIC lurn_core)
target_compile_definitions(lurn_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                            _WIN32_WINNT=0x0601)
target_link_libraries(lurn_win32 PUBLIC user32 gdi32 shell32 ole32)

# The program: its start-up, which assembles the settings window from the
# layers below, and WinMain.
add_library(lurn_program STATIC program/application.cpp)
target_link_libraries(lurn_program PUBLIC lurn_win32)

# With GNU's C++ library, a terminate handler that leaves its demangler
# out; the product and its benchmark build link it.
add_library(lurn_terminate OBJECT program/terminate_handler.cpp)

add_executable(lurn_config WIN32 program/main.cpp)
target_link_libraries(lurn_config PRIVATE lurn_program)
if(MINGW)
    target_link_libraries(lurn_config PRIVATE lurn_terminate)
endif()
# The linker map, build/<preset>/lurn_config.map, names every library member
# in the exe, the size it brings and the symbol it was taken for
# (docs/performance.md).
target_link_options(lurn_config PRIVATE -municode -s -Wl,-Map=${CMAKE_BINARY_DIR}/lurn_config.map)
set_target_properties(lurn_config PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/resources/resources.cmake)
    include(${CMAKE_CURRENT_SOURCE_DIR}/resources/resources.cmake)
    lurn_add_resources(lurn_config)
endif()
