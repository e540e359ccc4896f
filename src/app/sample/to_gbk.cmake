# cmake -DINPUT=<utf-8 text> -DOUTPUT=<file> -DICONV=<iconv> -P to_gbk.cmake
# Writes INPUT in GBK with CR LF line ends, the form the programs read and write.
file(READ "${INPUT}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
get_filename_component(dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
file(WRITE "${OUTPUT}.utf8" "${text}")
execute_process(COMMAND "${ICONV}" -f UTF-8 -t GBK "${OUTPUT}.utf8"
                OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE rc)
file(REMOVE "${OUTPUT}.utf8")
if(NOT rc EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "iconv could not write ${OUTPUT} in GBK")
endif()
