# cmake -DSOURCE=DIR -DOUTPUT=FILE -P commit.cmake
# Writes the build's commit as a C header, touching it only when the commit changed, so a build after
# a commit recompiles the one file that prints it. Outside a checkout (an unpacked source archive,
# no git) the commit is "unknown".
set(commit unknown)
find_program(GIT git)
if(GIT)
  execute_process(COMMAND ${GIT} -C ${SOURCE} rev-parse --short=12 HEAD
                  OUTPUT_VARIABLE head OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
  if(NOT failed AND head)
    set(commit ${head})
    # Changes not yet committed are part of what was built.
    execute_process(COMMAND ${GIT} -C ${SOURCE} diff --quiet HEAD -- RESULT_VARIABLE dirty ERROR_QUIET)
    if(dirty)
      set(commit "${commit}-modified")
    endif()
  endif()
endif()
set(text "#define SAVRA_COMMIT \"${commit}\"\n")
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} old)
endif()
if(NOT old STREQUAL text)
  file(WRITE ${OUTPUT} "${text}")
endif()
