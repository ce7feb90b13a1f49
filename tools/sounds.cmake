# The program's sounds, synthesized at build time into the application folder.
add_executable(sound_generator ${CMAKE_CURRENT_LIST_DIR}/sound_generator.cpp)
set_target_properties(sound_generator PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                 ${CMAKE_BINARY_DIR}/tools)
set(SUIMEI_SOUND_FILES ${SUIMEI_APP_DIR}/open1.wav ${SUIMEI_APP_DIR}/open2.wav
                       ${SUIMEI_APP_DIR}/open3.wav ${SUIMEI_APP_DIR}/kantei.wav)
add_custom_command(OUTPUT ${SUIMEI_SOUND_FILES}
                   COMMAND sound_generator ${SUIMEI_APP_DIR}
                   DEPENDS sound_generator
                   COMMENT "Synthesizing the sounds")
add_custom_target(sound_files DEPENDS ${SUIMEI_SOUND_FILES})
if(NOT TARGET stage_runtime_files)
    add_custom_target(stage_runtime_files ALL)
endif()
add_dependencies(stage_runtime_files sound_files)
