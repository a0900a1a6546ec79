# CLI11 and nlohmann-json are header-only; a cross build takes their headers
# from the host's packages. Only their own folders are put on the include
# path, through links, because the host's /usr/include must not shadow the
# target's system headers.
set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${host_headers})
foreach(folder CLI nlohmann)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: install libcli11-dev and nlohmann-json3-dev")
  endif()
  file(CREATE_LINK /usr/include/${folder} ${host_headers}/${folder} SYMBOLIC)
endforeach()

add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${host_headers})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${host_headers})
