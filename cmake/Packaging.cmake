# The release package: Sorvane.exe and the user guide, nothing else. The stand-in
# trainer must never ship: unzipped beside the real trainer it would replace it.
# The release build links without symbols, so the package holds that same file.
target_link_options(Sorvane PRIVATE $<$<CONFIG:Release>:-s>)
install(TARGETS Sorvane RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/docs/Sorvane-Guide.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Sorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Sorvane-${PROJECT_VERSION}-${SORVANE_WINDOWS_BUILD})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
