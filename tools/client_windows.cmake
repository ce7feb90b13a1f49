# Timing and screenshots of the client-table windows (the データ入力 page and the utility window).
# Built on demand: cmake --build build --target client_windows; see tools/client_windows.cpp.
if(TARGET suimei_ui)
    add_executable(client_windows ${CMAKE_CURRENT_LIST_DIR}/client_windows.cpp)
    set_target_properties(client_windows PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                    ${CMAKE_BINARY_DIR}/tools EXCLUDE_FROM_ALL ON)
    target_link_libraries(client_windows PRIVATE suimei_ui)
endif()
