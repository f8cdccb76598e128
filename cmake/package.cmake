# tidyset-<version>-win64.zip (or -win32) in the build folder: the program and
# its user guide, packed by CPack (the package step of the workflow presets,
# or cpack --preset).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(tidyset_architecture win64)
else()
  set(tidyset_architecture win32)
endif()
# An ASCII name: older Windows unpack non-ASCII zip names in the OEM code page.
set(tidyset_guide ${CMAKE_BINARY_DIR}/package/README.txt)

add_custom_command(
  OUTPUT ${tidyset_guide}
  COMMAND ${CMAKE_COMMAND} -DREADME=${PROJECT_SOURCE_DIR}/README.md -DOUTPUT=${tidyset_guide}
          -P ${PROJECT_SOURCE_DIR}/cmake/user_guide.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/cmake/user_guide.cmake
  COMMENT "Writing the user guide")
add_custom_target(tidyset_user_guide ALL DEPENDS ${tidyset_guide})

# Both files at the zip's top level.
install(TARGETS tidyset RUNTIME DESTINATION .)
install(FILES ${tidyset_guide} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tidyset)
set(CPACK_PACKAGE_FILE_NAME tidyset-${PROJECT_VERSION}-${tidyset_architecture})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
