# Programs built for Windows run at build and test time under Wine, through
# the emulator that the toolchain names. Wine's first start makes its prefix,
# which takes longer than a test's discovery may; the build makes it first.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/wineprefix.stamp
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/wineprefix.stamp
  COMMENT "Making the Wine prefix")
add_custom_target(wine_prefix ALL DEPENDS ${CMAKE_BINARY_DIR}/wineprefix.stamp)
