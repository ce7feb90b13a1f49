# The basic-knowledge text: written as simple HTML (data/kisobun.html, UTF-8) and staged as the
# rich text <app>/kisobun.rtf that its window shows and prints.
set(SUIMEI_KISOBUN_SOURCE ${CMAKE_SOURCE_DIR}/data/kisobun.html)
add_custom_command(OUTPUT ${SUIMEI_APP_DIR}/kisobun.rtf
                   COMMAND make_reading_tables rtf ${SUIMEI_KISOBUN_SOURCE}
                           ${SUIMEI_APP_DIR}/kisobun.rtf
                   DEPENDS make_reading_tables ${SUIMEI_KISOBUN_SOURCE}
                   COMMENT "Writing kisobun.rtf")
add_custom_target(kisobun DEPENDS ${SUIMEI_APP_DIR}/kisobun.rtf)
if(NOT TARGET stage_runtime_files)
    add_custom_target(stage_runtime_files ALL)
endif()
add_dependencies(stage_runtime_files kisobun)
