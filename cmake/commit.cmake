# cmake -DSOURCE=DIR -DVERSION=X.Y.Z -DOUTPUT=FILE.c -P commit.cmake
# Writes the version and the build's commit as a C source for the hosts, touching it only when the
# text changed, so a build after a commit compiles that one file again. Outside a checkout (an
# unpacked source archive, no git) the commit is "unknown".
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
set(text "/* Written by cmake/commit.cmake at every build. */\nconst char host_version[] = \"${VERSION}\";\nconst char host_commit[] = \"${commit}\";\n")
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} old)
endif()
if(NOT old STREQUAL text)
  file(WRITE ${OUTPUT} "${text}")
endif()
