# cmake -DNM=... -DDLLTOOL=... -DIMPORT_LIB=libX.a -DOUTPUT=libX_delay.a -P delay_import.cmake
# Makes a delay-load import library with the exports of an ordinary import library: the library
# is then loaded by its first call rather than when the module is.
execute_process(COMMAND ${DLLTOOL} --identify ${IMPORT_LIB} OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE failed)
if(failed OR NOT dll)
  message(FATAL_ERROR "no library name in ${IMPORT_LIB}")
endif()
execute_process(COMMAND ${NM} -P ${IMPORT_LIB} OUTPUT_VARIABLE symbols ERROR_QUIET)
# Each export has an import-table slot __imp__Name@bytes (__imp__Name without arguments' size).
string(REGEX MATCHALL "__imp__[^ \n]+" slots "${symbols}")
list(TRANSFORM slots REPLACE "^__imp__" "")
list(REMOVE_DUPLICATES slots)
list(JOIN slots "\n" exports)
get_filename_component(name ${OUTPUT} NAME_WE)
set(def ${OUTPUT}.def)
file(WRITE ${def} "LIBRARY ${dll}\nEXPORTS\n${exports}\n")
# --kill-at: the stdcall functions are exported by their bare names.
execute_process(COMMAND ${DLLTOOL} --input-def ${def} --dllname ${dll} --output-delaylib ${OUTPUT} --kill-at
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "dlltool could not make ${OUTPUT}")
endif()
