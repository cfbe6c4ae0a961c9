# Fails unless FILE exists and starts like a compiled help file.
if(NOT EXISTS "${FILE}")
  message(FATAL_ERROR "${FILE} is missing")
endif()
file(READ "${FILE}" header LIMIT 4 HEX)
if(NOT header STREQUAL "49545346")  # "ITSF"
  message(FATAL_ERROR "${FILE} is not a compiled help file")
endif()
message(STATUS "${FILE} is a compiled help file")
