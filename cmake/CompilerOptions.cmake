# Options every target of ours links privately: warnings, and the sanitizers
# when TESSARY_SANITIZE is on.
add_library(tessary_options INTERFACE)
target_compile_options(tessary_options INTERFACE -Wall -Wextra -Wpedantic)
if(TESSARY_WERROR)
  target_compile_options(tessary_options INTERFACE -Werror)
endif()

if(TESSARY_SANITIZE)
  # Applied globally so that every object, including test mains, is instrumented.
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
