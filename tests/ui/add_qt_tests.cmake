# Read by CTest when it starts: one test per Qt Test function, as the test
# program lists them, so that a hang stops one test and the count of failed
# tests says how much broke. `program` and `timeout` are set by the includer.
set(ENV{QT_QPA_PLATFORM} offscreen)

# Lines of what `program` prints with `arguments`; stops with one test that
# runs the whole program (and so fails as it does) when it cannot list them.
macro(list_from_program variable)
  execute_process(COMMAND "${program}" ${ARGN} OUTPUT_VARIABLE listed ERROR_QUIET RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    add_test(ui_tests "${program}")
    return()
  endif()
  string(REGEX MATCHALL "[A-Za-z0-9_]+" ${variable} "${listed}")
endmacro()

list_from_program(classes --classes)
foreach(class IN LISTS classes)
  list_from_program(functions "${class}" -functions)
  foreach(function IN LISTS functions)
    add_test("ui.${class}.${function}" "${program}" "${class}" "${function}")
    set_tests_properties("ui.${class}.${function}" PROPERTIES TIMEOUT ${timeout} ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  endforeach()
endforeach()
