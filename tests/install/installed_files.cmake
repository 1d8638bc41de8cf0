# Every file an install lays out, relative to its prefix.
set(INSTALLED_FILES
    bin/aquabill
    share/applications/aquabill.desktop
    share/aquabill/Data/Aquabill.ini
    share/aquabill/Help/index.htm
    share/icons/hicolor/scalable/apps/aquabill.svg)
