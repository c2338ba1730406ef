# Java built beside the library (JVM tests, demo, tools, benchmark): the
# sources compiled afresh into <dir>, every lint warning an error, after the
# service declarations; <dir>.stamp marks the result for whatever depends on
# it, and target <name> builds it (with ALL, in every build).
#   bundle_java_classes(<name> <dir> CLASSPATH <cp> SOURCES <files...> [DEPENDS <files...>] [ALL])
function(bundle_java_classes name dir)
  cmake_parse_arguments(J "ALL" "CLASSPATH" "SOURCES;DEPENDS" ${ARGN})
  add_custom_command(
    OUTPUT "${dir}.stamp"
    COMMAND ${CMAKE_COMMAND} -E rm -rf "${dir}"
    COMMAND ${JAVAC} -Xlint:all -Werror -cp "${J_CLASSPATH}" -d "${dir}" ${J_SOURCES}
    COMMAND ${CMAKE_COMMAND} -E touch "${dir}.stamp"
    DEPENDS ${J_SOURCES} ${J_DEPENDS} "${CMAKE_BINARY_DIR}/java/classes.stamp"
    COMMENT "javac: ${name}")
  set(all "")
  if(J_ALL)
    set(all ALL)
  endif()
  add_custom_target(${name} ${all} DEPENDS "${dir}.stamp")
  add_dependencies(${name} java_decls)
endfunction()
