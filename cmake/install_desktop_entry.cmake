# Runs at install time, when the prefix is known: writes the desktop entry that
# starts the installed binary. A path holding a character that desktop entries
# reserve is quoted as they require, so any prefix gives a valid entry.
set(BINARY "${CMAKE_INSTALL_PREFIX}/${AQUABILL_BINDIR}/aquabill")
string(REPLACE "%" "%%" BINARY "${BINARY}")
if(BINARY MATCHES "[] \t\"'\\\\><~|&;$*?#()`[]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" BINARY "${BINARY}")
    set(BINARY "\"${BINARY}\"")
endif()
# The entry's own string escape comes on top of the quoting.
string(REPLACE "\\" "\\\\" BINARY "${BINARY}")
set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${AQUABILL_DATADIR}/applications/aquabill.desktop")
message(STATUS "Installing: ${entry}")
configure_file(${AQUABILL_ENTRY_TEMPLATE} ${entry} @ONLY)
