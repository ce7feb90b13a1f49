# The menu icon as PNG pictures (48 and 256 pixels) beside the SVG one, for menus that show no SVG;
# rendered at build time from packaging/suimei-workbench.svg into icons/ of the build folder, from
# where they are installed. Needs Qt's SVG picture plugin (built with the desktop program).
if(TARGET Qt6::Gui)
    add_executable(icon_pictures ${CMAKE_CURRENT_LIST_DIR}/icon_pictures.cpp)
    set_target_properties(icon_pictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                   ${CMAKE_BINARY_DIR}/tools AUTOMOC OFF)
    target_link_libraries(icon_pictures PRIVATE Qt6::Gui)
    set(SUIMEI_ICON_SOURCE ${CMAKE_SOURCE_DIR}/packaging/suimei-workbench.svg)
    set(SUIMEI_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
    set(SUIMEI_ICON_SIZES 48 256)
    set(SUIMEI_ICON_FILES)
    foreach(size ${SUIMEI_ICON_SIZES})
        list(APPEND SUIMEI_ICON_FILES ${SUIMEI_ICON_DIR}/${size}x${size}/apps/suimei-workbench.png)
    endforeach()
    add_custom_command(OUTPUT ${SUIMEI_ICON_FILES}
                       COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                               $<TARGET_FILE:icon_pictures> ${SUIMEI_ICON_SOURCE}
                               ${SUIMEI_ICON_DIR} ${SUIMEI_ICON_SIZES}
                       DEPENDS icon_pictures ${SUIMEI_ICON_SOURCE}
                       COMMENT "Rendering the menu icon")
    add_custom_target(icon_picture_files ALL DEPENDS ${SUIMEI_ICON_FILES})
endif()
