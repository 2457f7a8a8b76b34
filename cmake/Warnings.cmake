# Project warning set, applied per target with antkeys_warnings(target).
function(antkeys_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wsign-conversion -Wnon-virtual-dtor -Wold-style-cast)
  if(ANTKEYS_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
