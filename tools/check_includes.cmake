# Fails when a C++ file under FOLDER includes a header whose name begins with
# one of FORBIDDEN (comma-separated, such as "platform/,Q"), so that a floor
# of the program cannot start reaching into one above it.
#   cmake -D FOLDER=dir -D FORBIDDEN=prefix,... -D STAMP=file -P check_includes.cmake
string(REPLACE "," "|" alternatives "${FORBIDDEN}")
file(GLOB_RECURSE sources ${FOLDER}/*.h ${FOLDER}/*.cpp)
set(failures "")
foreach(source ${sources})
  file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](${alternatives})")
  foreach(line ${lines})
    string(APPEND failures "${source}: ${line}\n")
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "Includes that break the direction of the floors:\n${failures}")
endif()
file(TOUCH ${STAMP})
