# The screenshot program of the desktop windows (tools/screenshots.sh runs it offscreen).
if(TARGET suimei_ui)
    add_executable(ui_screenshots ${CMAKE_CURRENT_LIST_DIR}/ui_screenshots.cpp)
    set_target_properties(ui_screenshots PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                    ${CMAKE_BINARY_DIR}/tools EXCLUDE_FROM_ALL ON)
    target_link_libraries(ui_screenshots PRIVATE suimei_ui)
endif()
