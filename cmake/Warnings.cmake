# Every target of ours compiles with warnings as errors; sanitizers are one switch.
add_library(glyphora_warnings INTERFACE)
target_compile_options(glyphora_warnings INTERFACE -Wall -Wextra -Werror)

if(GLYPHORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
