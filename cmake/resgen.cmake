# Resource pictures are drawn by tools/resgen at build time, so every pixel comes
# from reviewable code. In a cross build the generator is compiled for the build
# machine with the host's own C++ compiler.
#
#   zorvanex_generate_pictures(SET main OUTPUT_DIR <dir> FILES a.bmp b.ico ...)
#
# runs `resgen SET OUTPUT_DIR` and declares FILES (names inside OUTPUT_DIR) as its
# outputs; `<SET>_pictures` is a target that depends on them.
find_program(ZORVANEX_HOST_CXX NAMES g++ c++ clang++ REQUIRED)

function(zorvanex_generate_pictures)
  cmake_parse_arguments(PICTURES "" "SET;OUTPUT_DIR" "FILES" ${ARGN})
  set(resgen_dir ${PROJECT_SOURCE_DIR}/tools/resgen)
  file(GLOB resgen_sources CONFIGURE_DEPENDS ${resgen_dir}/*.cpp)
  file(GLOB resgen_headers CONFIGURE_DEPENDS ${resgen_dir}/*.h)
  set(resgen_host ${CMAKE_CURRENT_BINARY_DIR}/resgen-host)
  add_custom_command(
    OUTPUT ${resgen_host}
    COMMAND ${ZORVANEX_HOST_CXX} -std=c++17 -O2 -Wall -Wextra -Werror -Wshadow -Wconversion
            -Wno-sign-conversion -I${PROJECT_SOURCE_DIR} ${resgen_sources} -o ${resgen_host}
    DEPENDS ${resgen_sources} ${resgen_headers}
    COMMENT "Building the picture generator for the build machine"
    VERBATIM)

  set(outputs "")
  foreach(name IN LISTS PICTURES_FILES)
    list(APPEND outputs ${PICTURES_OUTPUT_DIR}/${name})
  endforeach()
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PICTURES_OUTPUT_DIR}
    COMMAND ${resgen_host} ${PICTURES_SET} ${PICTURES_OUTPUT_DIR}
    DEPENDS ${resgen_host}
    COMMENT "Drawing the ${PICTURES_SET} resource pictures"
    VERBATIM)
  add_custom_target(${PICTURES_SET}_pictures DEPENDS ${outputs})
endfunction()
