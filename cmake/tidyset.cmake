# tidyset_library(name sources...): a static library of our own code, with
# the project's warnings as errors.
function(tidyset_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC tidyset_warnings)
endfunction()
