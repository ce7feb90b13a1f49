# Stages the starter QrekiTaiwan.txt in the application folder: the UTF-8 source
# data/QrekiTaiwan.txt.utf8 with CRLF line ends, converted to CP932.
#
# The source lists the lunar months from 1900 to 2100 that begin one day earlier in the Taiwan
# reckoning than in the Japanese one: months whose new moon falls between 00:00 and 01:00 JST,
# which is still the day before at 120°E (23:00-24:00). Each row carries the official month
# number and the Taiwan length of the month; the new moons come from an independent ephemeris
# (VSOP87 and ELP 2000-82), keeping only those at least three minutes away from 00:00 and 01:00.
# The example of the customisation window, 1923/11/08,10/01,30,h, is one of them.

if(CMAKE_SCRIPT_MODE_FILE)
    # cmake -DIN=<file> -DOUT=<file> -P taiwan_file.cmake: writes IN with CRLF line ends to OUT.
    file(READ "${IN}" text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE "${OUT}" "${text}")
    return()
endif()

find_program(SUIMEI_ICONV iconv REQUIRED)
set(taiwan_source ${CMAKE_SOURCE_DIR}/data/QrekiTaiwan.txt.utf8)
set(taiwan_crlf ${CMAKE_CURRENT_BINARY_DIR}/QrekiTaiwan.crlf.utf8)
set(taiwan_output ${SUIMEI_APP_DIR}/QrekiTaiwan.txt)
add_custom_command(
    OUTPUT ${taiwan_output}
    COMMAND ${CMAKE_COMMAND} -DIN=${taiwan_source} -DOUT=${taiwan_crlf} -P
            ${CMAKE_CURRENT_LIST_FILE}
    COMMAND ${SUIMEI_ICONV} -f UTF-8 -t CP932 -o ${taiwan_output} ${taiwan_crlf}
    DEPENDS ${taiwan_source} ${CMAKE_CURRENT_LIST_FILE}
    COMMENT "Staging QrekiTaiwan.txt (CP932, CRLF)"
    VERBATIM)
add_custom_target(stage_taiwan_file ALL DEPENDS ${taiwan_output})
if(NOT TARGET stage_runtime_files)
    add_custom_target(stage_runtime_files ALL)
endif()
add_dependencies(stage_runtime_files stage_taiwan_file)
