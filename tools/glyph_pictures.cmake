# The glyph pictures of the stem and branch buttons, drawn at build time into the application
# folder. Needs Qt's painting (built with the desktop program).
if(TARGET Qt6::Gui)
    add_executable(glyph_pictures ${CMAKE_CURRENT_LIST_DIR}/glyph_pictures.cpp)
    set_target_properties(glyph_pictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                    ${CMAKE_BINARY_DIR}/tools AUTOMOC OFF)
    target_link_libraries(glyph_pictures PRIVATE Qt6::Gui)
    set(SUIMEI_GLYPH_FILES)
    foreach(name kinoe kinoto hinoe hinoto tutinoe tutinoto kanoe kanoto mizunoe mizunoto tree
                 fire tuchi kin water null)
        list(APPEND SUIMEI_GLYPH_FILES ${SUIMEI_APP_DIR}/${name}.bmp)
    endforeach()
    add_custom_command(OUTPUT ${SUIMEI_GLYPH_FILES}
                       COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                               $<TARGET_FILE:glyph_pictures> ${SUIMEI_APP_DIR}
                       DEPENDS glyph_pictures
                       COMMENT "Drawing the stem and branch glyphs")
    add_custom_target(glyph_picture_files DEPENDS ${SUIMEI_GLYPH_FILES})
    if(NOT TARGET stage_runtime_files)
        add_custom_target(stage_runtime_files ALL)
    endif()
    add_dependencies(stage_runtime_files glyph_picture_files)
endif()
