# The release package: Sorvane.exe and the user guide, nothing else. The stand-in
# trainer must never ship: unzipped beside the real trainer it would replace it.
# The release build links without symbols, so the package holds that same file.
target_link_options(Sorvane PRIVATE $<$<CONFIG:Release>:-s>)
install(TARGETS Sorvane RUNTIME DESTINATION .)
# The guide's title carries the project's version, as the caption does.
set(GUIDE_TITLE "SORVANE ${PROJECT_VERSION} - USER GUIDE")
string(LENGTH "${GUIDE_TITLE}" title_length)
string(REPEAT "=" ${title_length} GUIDE_TITLE_RULE)
configure_file(${CMAKE_SOURCE_DIR}/docs/Sorvane-Guide.txt.in
  ${CMAKE_BINARY_DIR}/Sorvane-Guide.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/Sorvane-Guide.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Sorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Sorvane-${PROJECT_VERSION}-${SORVANE_WINDOWS_BUILD})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
