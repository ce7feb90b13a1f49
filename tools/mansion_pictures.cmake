# The lunar-mansion window's data: the 28 relation diagrams bmp/QR27-<n>.bmp drawn at build time
# (needs Qt's painting, built with the desktop program), and the meaning and karma texts
# bun/runa<n>.txt and bun/kar<n>.txt converted from data/mansion/ to CP932 with CRLF.
file(GLOB MANSION_TEXT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/mansion/*.txt)
set(mansion_outputs)
foreach(source ${MANSION_TEXT_SOURCES})
    get_filename_component(name ${source} NAME)
    add_custom_command(
        OUTPUT ${SUIMEI_APP_DIR}/bun/${name}
        COMMAND make_reading_tables text ${source} ${SUIMEI_APP_DIR}/bun/${name}
        DEPENDS make_reading_tables ${source}
        COMMENT "Converting bun/${name} to CP932")
    list(APPEND mansion_outputs ${SUIMEI_APP_DIR}/bun/${name})
endforeach()

if(TARGET Qt6::Gui)
    add_executable(mansion_pictures ${CMAKE_CURRENT_LIST_DIR}/mansion_pictures.cpp)
    set_target_properties(mansion_pictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                      ${CMAKE_BINARY_DIR}/tools AUTOMOC OFF)
    target_link_libraries(mansion_pictures PRIVATE suimei_engine Qt6::Gui)
    set(SUIMEI_MANSION_PICTURES)
    foreach(n RANGE 1 28)
        list(APPEND SUIMEI_MANSION_PICTURES ${SUIMEI_APP_DIR}/bmp/QR27-${n}.bmp)
    endforeach()
    add_custom_command(OUTPUT ${SUIMEI_MANSION_PICTURES}
                       COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                               $<TARGET_FILE:mansion_pictures> ${SUIMEI_APP_DIR}
                       DEPENDS mansion_pictures
                       COMMENT "Drawing the lunar-mansion relation diagrams")
    list(APPEND mansion_outputs ${SUIMEI_MANSION_PICTURES})
endif()

add_custom_target(mansion_files DEPENDS ${mansion_outputs})
if(NOT TARGET stage_runtime_files)
    add_custom_target(stage_runtime_files ALL)
endif()
add_dependencies(stage_runtime_files mansion_files)
