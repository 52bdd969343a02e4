# Warnings as errors for every target of the project, sanitizers when asked.
function(kt740_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror -Wshadow
                                           -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
                                           -Wunused -Woverloaded-virtual
                                           -Wimplicit-fallthrough)
  if(KT740_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
