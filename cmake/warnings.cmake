# Warnings for everything the project compiles itself.
function(velomark_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
  if(VELOMARK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
