# The code stands in layers, lowest first:
#   base, rules  ->  game  ->  records  ->  online  ->  ui  ->  app      (and server on base, rules)
# A layer's target compiles against a folder of links to its own folder and the folders below
# it, and hands that same folder to whatever links it. An include that runs upward names a
# folder the compiler cannot see, so it does not build.
function(fibwick_layer target)
  set(view ${PROJECT_BINARY_DIR}/layers/${target})
  file(MAKE_DIRECTORY ${view})
  foreach(folder IN LISTS ARGN)
    if(NOT IS_SYMLINK ${view}/${folder})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${view}/${folder} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PUBLIC ${view})
endfunction()
