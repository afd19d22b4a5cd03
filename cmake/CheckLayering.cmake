# Fails when a source includes a header of a subsystem its layer may not use,
# or when headless code includes SDL, OpenGL or GLEW.
#   cmake -DROOT=<source dir> -DRULES=<rules file> -P CheckLayering.cmake
# Each line of the rules file reads  folder|allowed,subsystems|headless
# with the folder relative to ROOT; subsystems are the folders under engine/.
cmake_minimum_required(VERSION 3.16)
file(STRINGS ${RULES} rules)
file(GLOB subsystems LIST_DIRECTORIES true RELATIVE ${ROOT}/engine ${ROOT}/engine/*)
set(violations "")
foreach(rule ${rules})
  string(REPLACE "|" ";" fields "${rule}")
  list(GET fields 0 folder)
  list(GET fields 1 allowed_text)
  list(GET fields 2 headless)
  string(REPLACE "," ";" allowed "${allowed_text}")
  file(GLOB_RECURSE sources ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    file(RELATIVE_PATH shown ${ROOT} ${source})
    foreach(line ${includes})
      if(line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/" AND CMAKE_MATCH_1 IN_LIST subsystems
         AND NOT CMAKE_MATCH_1 IN_LIST allowed)
        list(APPEND violations "${shown}: ${line}  [${folder} may use ${allowed_text}]")
      elseif(headless AND line MATCHES "#[ \t]*include[ \t]*<(SDL|GL/)")
        list(APPEND violations "${shown}: ${line}  [${folder} is headless: no SDL, OpenGL or GLEW]")
      endif()
    endforeach()
  endforeach()
endforeach()
if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Includes against the engine's layering:\n  ${text}")
endif()
