# The perpetual-calendar files 1900.eto .. 2101.eto, computed at build time (births of 2100 need
# the file of the year after).
add_executable(make_eto_files ${CMAKE_CURRENT_SOURCE_DIR}/make_eto_files.cpp)
set_target_properties(make_eto_files PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
target_link_libraries(make_eto_files PRIVATE suimei_engine)
set(ETO_STAMP ${CMAKE_BINARY_DIR}/tools/eto_files.stamp)
add_custom_command(
    OUTPUT ${ETO_STAMP}
    COMMAND make_eto_files ${SUIMEI_APP_DIR} 1900 2101
    COMMAND ${CMAKE_COMMAND} -E touch ${ETO_STAMP}
    DEPENDS make_eto_files
    COMMENT "Writing the perpetual-calendar files 1900..2101")
add_custom_target(eto_files DEPENDS ${ETO_STAMP})
if(NOT TARGET stage_runtime_files)
    add_custom_target(stage_runtime_files ALL)
endif()
add_dependencies(stage_runtime_files eto_files)
