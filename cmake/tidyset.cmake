# tidyset_library(name sources...): a static library of our own code, with
# the project's warnings as errors (the include path is the source tree's
# root, set once in CMakeLists.txt).
function(tidyset_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC tidyset_warnings)
endfunction()
