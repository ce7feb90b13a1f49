# The desktop program links the engine's appraisal runner. While no engine source defines it yet,
# `suimei` is left out of the default build so that everything else (the window library and its
# tests) still builds; once the runner is there this changes nothing.
if(TARGET suimei)
    file(GLOB SUIMEI_APP_ENGINE_SOURCES ${CMAKE_SOURCE_DIR}/app/*.cpp)
    set(SUIMEI_RUNNER_DEFINED FALSE)
    foreach(source ${SUIMEI_APP_ENGINE_SOURCES})
        file(STRINGS ${source} runner_lines REGEX "AppraisalRunner::run\\(")
        if(runner_lines)
            set(SUIMEI_RUNNER_DEFINED TRUE)
        endif()
    endforeach()
    if(NOT SUIMEI_RUNNER_DEFINED)
        message(STATUS "suimei: the appraisal runner is not built yet; the desktop program is "
                       "left out of the default build")
        set_target_properties(suimei PROPERTIES EXCLUDE_FROM_ALL ON)
    endif()
endif()
