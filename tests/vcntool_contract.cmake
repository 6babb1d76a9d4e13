message(STATUS "vcntool contract pending")
