# The five cover pictures of the appraisal documents, drawn at build time into hyousi/ of the
# application folder. Needs Qt's painting (built with the desktop program).
if(TARGET Qt6::Gui)
    add_executable(cover_pictures ${CMAKE_CURRENT_LIST_DIR}/cover_pictures.cpp)
    set_target_properties(cover_pictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                    ${CMAKE_BINARY_DIR}/tools AUTOMOC OFF)
    target_link_libraries(cover_pictures PRIVATE Qt6::Gui)
    set(SUIMEI_COVER_FILES)
    foreach(n 0 1 2 3 4)
        list(APPEND SUIMEI_COVER_FILES ${SUIMEI_APP_DIR}/hyousi/${n}.bmp)
    endforeach()
    add_custom_command(OUTPUT ${SUIMEI_COVER_FILES}
                       COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                               $<TARGET_FILE:cover_pictures> ${SUIMEI_APP_DIR}/hyousi
                       DEPENDS cover_pictures
                       COMMENT "Drawing the cover pictures")
    add_custom_target(cover_picture_files DEPENDS ${SUIMEI_COVER_FILES})
    if(NOT TARGET stage_runtime_files)
        add_custom_target(stage_runtime_files ALL)
    endif()
    add_dependencies(stage_runtime_files cover_picture_files)
endif()
