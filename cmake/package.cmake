# tidyset-<version>-win64.zip (or -win32): the program and its user guide,
# made with every build of tidyset.exe.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(tidyset_architecture win64)
else()
  set(tidyset_architecture win32)
endif()
set(tidyset_package_dir ${CMAKE_BINARY_DIR}/package)
# An ASCII name: older Windows unpack non-ASCII zip names in the OEM code page.
set(tidyset_guide ${tidyset_package_dir}/README.txt)
set(tidyset_zip ${CMAKE_BINARY_DIR}/tidyset-${PROJECT_VERSION}-${tidyset_architecture}.zip)

add_custom_command(
  OUTPUT ${tidyset_guide}
  COMMAND ${CMAKE_COMMAND} -DREADME=${PROJECT_SOURCE_DIR}/README.md -DOUTPUT=${tidyset_guide}
          -P ${PROJECT_SOURCE_DIR}/cmake/user_guide.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/cmake/user_guide.cmake
  COMMENT "Writing the user guide")

add_custom_command(
  OUTPUT ${tidyset_zip}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:tidyset> ${tidyset_package_dir}/tidyset.exe
  COMMAND ${CMAKE_COMMAND} -E rm -f ${tidyset_zip}
  COMMAND ${CMAKE_COMMAND} -E chdir ${tidyset_package_dir}
          ${CMAKE_COMMAND} -E tar cf ${tidyset_zip} --format=zip tidyset.exe README.txt
  DEPENDS tidyset ${tidyset_guide}
  COMMENT "Packing ${tidyset_zip}")

add_custom_target(tidyset_zip ALL DEPENDS ${tidyset_zip})
