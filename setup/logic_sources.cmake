# The launcher's portable logic: built natively for the unit tests and into
# setuplaunch.exe by the cross build.
set(SETUP_LOGIC_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/centring.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launch_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_texts.cpp)
