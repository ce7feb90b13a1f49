# The shipped client tables: the demo clients and three empty tables for the user's own data.
add_executable(make_client_tables ${CMAKE_CURRENT_SOURCE_DIR}/make_client_tables.cpp)
set_target_properties(make_client_tables PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
target_link_libraries(make_client_tables PRIVATE suimei_engine)
set(DEMO_TABLE "${SUIMEI_APP_DIR}/jinmei/人名DB.db")
add_custom_command(
    OUTPUT ${DEMO_TABLE}
    COMMAND make_client_tables ${CMAKE_SOURCE_DIR}/data/clients_demo.csv ${SUIMEI_APP_DIR}/jinmei
    DEPENDS make_client_tables ${CMAKE_SOURCE_DIR}/data/clients_demo.csv
    COMMENT "Building the client tables")
add_custom_target(client_tables DEPENDS ${DEMO_TABLE})
if(NOT TARGET stage_runtime_files)
    add_custom_target(stage_runtime_files ALL)
endif()
add_dependencies(stage_runtime_files client_tables)
