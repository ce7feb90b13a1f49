# The reading data: the passage table, the sixty-pillar table and the annual imagery table built
# from their readable sources in data/readings/ (the passage table from kanteibun1.txt followed by
# every kanteibun1-*.txt in name order), the conception-day table from tengen.txt, and the
# sectioned reading files of data/text/ converted to CP932 with CRLF. A source that has not
# been written yet is skipped with a message (its table is then created empty).
add_executable(make_reading_tables ${CMAKE_CURRENT_SOURCE_DIR}/make_reading_tables.cpp)
set_target_properties(make_reading_tables PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                     ${CMAKE_BINARY_DIR}/tools)
target_link_libraries(make_reading_tables PRIVATE suimei_engine)

set(READING_STAMPS ${CMAKE_BINARY_DIR}/tools/reading-stamps)
file(MAKE_DIRECTORY ${READING_STAMPS})
# Globbed so that a source arriving later reconfigures the build.
file(GLOB READING_TABLE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/readings/*)
file(GLOB READING_TEXT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/text/*.txt)

set(reading_outputs)
file(GLOB PASSAGE_TOPIC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/readings/kanteibun1-*.txt)
list(SORT PASSAGE_TOPIC_SOURCES)

set(reading_empty_tables)
foreach(pair "passages:kanteibun1.txt:kanteibun1.db" "sixty:sixty.txt:sixty.DB"
        "imagery:kouun.tsv:kouun.db")
    string(REPLACE ":" ";" parts ${pair})
    list(GET parts 0 kind)
    list(GET parts 1 source_name)
    list(GET parts 2 table_name)
    set(source ${CMAKE_SOURCE_DIR}/data/readings/${source_name})
    if(EXISTS ${source})
        set(sources ${source})
        if(kind STREQUAL "passages")
            list(APPEND sources ${PASSAGE_TOPIC_SOURCES})
        endif()
        add_custom_command(
            OUTPUT ${READING_STAMPS}/${table_name}.stamp
            COMMAND make_reading_tables ${kind} ${sources} ${SUIMEI_APP_DIR}/bun/${table_name}
            COMMAND ${CMAKE_COMMAND} -E touch ${READING_STAMPS}/${table_name}.stamp
            DEPENDS make_reading_tables ${sources}
            COMMENT "Building bun/${table_name}")
        list(APPEND reading_outputs ${READING_STAMPS}/${table_name}.stamp)
    else()
        message(STATUS "data/readings/${source_name} not written yet: bun/${table_name} is "
                       "created empty")
        list(APPEND reading_empty_tables ${kind})
    endif()
endforeach()

# The conception-day table is the reader's to edit: the tool compares the source's text with the
# one the table was built from and leaves the table alone unless it changed, so it runs at every
# build (a deleted table comes back) and no stamp stands in for it.
set(TENGEN_SOURCE ${CMAKE_SOURCE_DIR}/data/readings/tengen.txt)
if(EXISTS ${TENGEN_SOURCE})
    add_custom_target(
        conception_day_table
        COMMAND make_reading_tables tengen ${TENGEN_SOURCE} ${SUIMEI_APP_DIR}/tengen.db
        DEPENDS make_reading_tables
        COMMENT "Checking tengen.db against data/readings/tengen.txt")
else()
    message(STATUS "data/readings/tengen.txt not written yet: tengen.db is created empty")
    list(APPEND reading_empty_tables tengen)
endif()

add_custom_command(
    OUTPUT ${READING_STAMPS}/empty-tables.stamp
    COMMAND make_reading_tables empty ${SUIMEI_APP_DIR} ${reading_empty_tables}
    COMMAND ${CMAKE_COMMAND} -E touch ${READING_STAMPS}/empty-tables.stamp
    DEPENDS make_reading_tables
    COMMENT "Creating the missing reading tables")
list(APPEND reading_outputs ${READING_STAMPS}/empty-tables.stamp)

if(NOT READING_TEXT_SOURCES)
    message(STATUS "data/text/*.txt not written yet: no sectioned reading files are staged")
endif()
foreach(source ${READING_TEXT_SOURCES})
    get_filename_component(name ${source} NAME)
    add_custom_command(
        OUTPUT ${SUIMEI_APP_DIR}/${name}
        COMMAND make_reading_tables text ${source} ${SUIMEI_APP_DIR}/${name}
        DEPENDS make_reading_tables ${source}
        COMMENT "Converting ${name} to CP932")
    list(APPEND reading_outputs ${SUIMEI_APP_DIR}/${name})
endforeach()

add_custom_target(reading_tables DEPENDS ${reading_outputs})
if(TARGET conception_day_table)
    add_dependencies(reading_tables conception_day_table)
endif()
if(NOT TARGET stage_runtime_files)
    add_custom_target(stage_runtime_files ALL)
endif()
add_dependencies(stage_runtime_files reading_tables)
