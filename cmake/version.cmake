# One version for everything, read from VERSION at the top of the tree: the host prints it, every image
# carries it in a version resource made from resources/version.rc.in.
file(STRINGS ${CMAKE_SOURCE_DIR}/VERSION SAVRA_VERSION LIMIT_COUNT 1)
if(NOT SAVRA_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "VERSION must hold MAJOR.MINOR.PATCH, not '${SAVRA_VERSION}'")
endif()
set(SAVRA_VERSION_MAJOR ${CMAKE_MATCH_1})
set(SAVRA_VERSION_MINOR ${CMAKE_MATCH_2})
set(SAVRA_VERSION_PATCH ${CMAKE_MATCH_3})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/VERSION
             ${CMAKE_SOURCE_DIR}/resources/version.rc.in)
set(SAVRA_GENERATED ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${SAVRA_GENERATED})

# The hosts' version and commit (build_info.c): the commit is asked of git at every build, since a
# commit does not configure again.
set(SAVRA_BUILD_INFO ${SAVRA_GENERATED}/build_info.c)
add_custom_target(build_info
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR} -DVERSION=${SAVRA_VERSION} -DOUTPUT=${SAVRA_BUILD_INFO}
          -P ${CMAKE_SOURCE_DIR}/cmake/commit.cmake
  BYPRODUCTS ${SAVRA_BUILD_INFO} VERBATIM)

# savra_version_resource(TARGET): the target's own copy of the version resource.
function(savra_version_resource target)
  get_target_property(type ${target} TYPE)
  get_target_property(name ${target} OUTPUT_NAME)
  if(NOT name)
    set(name ${target})
  endif()
  if(type STREQUAL "EXECUTABLE")
    set(SAVRA_FILE_TYPE VFT_APP)
    set(SAVRA_FILE_NAME ${name}.exe)
  else()
    set(SAVRA_FILE_TYPE VFT_DLL)
    set(SAVRA_FILE_NAME ${name}.dll)
  endif()
  get_target_property(SAVRA_FILE_DESCRIPTION ${target} SAVRA_DESCRIPTION)
  if(NOT SAVRA_FILE_DESCRIPTION)
    set(SAVRA_FILE_DESCRIPTION "Savra ${name}")
  endif()
  set(rc ${SAVRA_GENERATED}/version-${target}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/resources/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
