# The bundled help page, staged as <app>/help/index.html.
set(SUIMEI_HELP_SOURCE ${CMAKE_SOURCE_DIR}/data/help/index.html)
add_custom_command(OUTPUT ${SUIMEI_APP_DIR}/help/index.html
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${SUIMEI_APP_DIR}/help
                   COMMAND ${CMAKE_COMMAND} -E copy_if_different ${SUIMEI_HELP_SOURCE}
                           ${SUIMEI_APP_DIR}/help/index.html
                   DEPENDS ${SUIMEI_HELP_SOURCE}
                   COMMENT "Staging the help page")
add_custom_target(help_page DEPENDS ${SUIMEI_APP_DIR}/help/index.html)
if(NOT TARGET stage_runtime_files)
    add_custom_target(stage_runtime_files ALL)
endif()
add_dependencies(stage_runtime_files help_page)
