# The basic-knowledge text: data/kisobun.html (UTF-8 rich text in HTML) staged as <app>/kisobun.rtf
# in CP932 with CRLF. The file keeps the name the program asks for; its window shows it with
# QTextDocument::setHtml after decoding it like every other shipped text file (decodeTextFile).
set(SUIMEI_KISOBUN_SOURCE ${CMAKE_SOURCE_DIR}/data/kisobun.html)
add_custom_command(OUTPUT ${SUIMEI_APP_DIR}/kisobun.rtf
                   COMMAND make_reading_tables document ${SUIMEI_KISOBUN_SOURCE}
                           ${SUIMEI_APP_DIR}/kisobun.rtf
                   DEPENDS make_reading_tables ${SUIMEI_KISOBUN_SOURCE}
                   COMMENT "Staging kisobun.rtf in CP932")
add_custom_target(kisobun DEPENDS ${SUIMEI_APP_DIR}/kisobun.rtf)
if(NOT TARGET stage_runtime_files)
    add_custom_target(stage_runtime_files ALL)
endif()
add_dependencies(stage_runtime_files kisobun)
