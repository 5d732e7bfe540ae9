# Warnings are errors everywhere, for every build.
add_compile_options(
  $<$<COMPILE_LANGUAGE:C,CXX>:-Wall>
  $<$<COMPILE_LANGUAGE:C,CXX>:-Wextra>
  $<$<COMPILE_LANGUAGE:C,CXX>:-Werror>
  $<$<COMPILE_LANGUAGE:C,CXX>:-Wshadow>
  $<$<COMPILE_LANGUAGE:C,CXX>:-Wconversion>
  $<$<COMPILE_LANGUAGE:C,CXX>:-Wno-sign-conversion>)
