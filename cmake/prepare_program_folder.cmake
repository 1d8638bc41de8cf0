# Lays out the program folder from resources/ without touching what a user owns:
# an existing Data/Aquabill.ini and everything in Log/ stay as they are.
file(MAKE_DIRECTORY ${TARGET}/Data ${TARGET}/Help ${TARGET}/Log)
file(COPY ${BINARY} DESTINATION ${TARGET})
file(COPY ${SOURCE}/Help/ DESTINATION ${TARGET}/Help)
file(COPY ${SOURCE}/pictures/aquabill.svg DESTINATION ${TARGET})
if(NOT EXISTS ${TARGET}/Data/Aquabill.ini)
    file(COPY ${SOURCE}/Data/Aquabill.ini DESTINATION ${TARGET}/Data)
endif()
