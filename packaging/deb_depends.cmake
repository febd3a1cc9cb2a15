# Run by cpack once the files are staged (CPACK_PRE_BUILD_SCRIPTS): the package's Depends are
# what dpkg-shlibdeps finds for its programs, followed by what they load at run time.
#
# CPack's own dpkg-shlibdeps run stays off: whenever it sees a shared library under /usr/lib
# it also writes postinst and postrm scripts that call ldconfig, and our only library is
# private to the program (found through the programs' RUNPATH), so ldconfig has nothing to do.
set(stage "${CPACK_TEMPORARY_DIRECTORY}")
find_program(ZUMBREL_SHLIBDEPS dpkg-shlibdeps REQUIRED)

file(GLOB_RECURSE staged LIST_DIRECTORIES false "${stage}/*")
set(programs)
foreach(f IN LISTS staged)
  file(READ "${f}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")  # an ELF file
    list(APPEND programs "${f}")
  endif()
endforeach()

# dpkg-shlibdeps wants a debian/control beside it, and a DEBIAN folder to know the package's
# root when it resolves $ORIGIN; both go again before the package is made.
file(WRITE "${stage}/debian/control" "")
file(MAKE_DIRECTORY "${stage}/DEBIAN")
execute_process(
  COMMAND ${ZUMBREL_SHLIBDEPS} --ignore-missing-info -O ${programs}
  WORKING_DIRECTORY "${stage}"
  OUTPUT_VARIABLE found
  ERROR_VARIABLE errors
  RESULT_VARIABLE status
  OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REMOVE_RECURSE "${stage}/debian" "${stage}/DEBIAN")
if(NOT status EQUAL 0 OR NOT found MATCHES "^shlibs:Depends=(.+)$")
  message(FATAL_ERROR "dpkg-shlibdeps failed (${status}): ${errors}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, ${CPACK_ZUMBREL_RUNTIME_DEPENDS}")
message(STATUS "Depends: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
