# Where an installed Tarnwicket keeps its files, for the install rules
# (dist/linux/install.cmake) and for the platform, which finds the installed
# data folder from the program's own folder:
#   TARNWICKET_INSTALL_DATADIR    the art libraries and the demo games, below the prefix
#   TARNWICKET_DATA_FROM_PROGRAM  the same folder seen from the programs' folder
#   TARNWICKET_USER_FOLDER_NAME   each user's folder in $XDG_CONFIG_HOME
include(GNUInstallDirs)
set(TARNWICKET_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tarnwicket)
file(RELATIVE_PATH TARNWICKET_DATA_FROM_PROGRAM /${CMAKE_INSTALL_BINDIR} /${TARNWICKET_INSTALL_DATADIR})
set(TARNWICKET_USER_FOLDER_NAME tarnwicket)
