# Installs the build into an empty prefix: exactly the expected files, and a
# desktop entry that starts the installed binary and that the desktop accepts.
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix "${PREFIX}"
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "the install failed")
endif()

file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT found)
if(NOT found STREQUAL INSTALLED_FILES)
    message(FATAL_ERROR "installed:\n  ${found}\nexpected:\n  ${INSTALLED_FILES}")
endif()

set(entry "${PREFIX}/share/applications/aquabill.desktop")
file(STRINGS "${entry}" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=\"${PREFIX}/bin/aquabill\"")
    message(FATAL_ERROR "the desktop entry reads ${exec}")
endif()
execute_process(COMMAND desktop-file-validate "${entry}" RESULT_VARIABLE failed
                OUTPUT_VARIABLE report ERROR_VARIABLE report)
# Hints are advice; errors and warnings make desktops skip or mistreat an entry.
if(failed OR report MATCHES "(error|warning):")
    message(FATAL_ERROR "desktop-file-validate (${failed}):\n${report}")
endif()
