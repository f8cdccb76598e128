# tidyset_library(name sources...): a static library of our own code, with
# the project's warnings as errors. It and whatever links it include our
# headers by their path from the source tree's root ("platform/win/text.h").
function(tidyset_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC tidyset_warnings)
endfunction()
