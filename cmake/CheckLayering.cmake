# Fails when a source includes a header of a subsystem its layer may not use,
# or when headless code includes SDL, OpenGL or GLEW.
#   cmake -DROOT=<source dir> -DRULES=<rules file> -P CheckLayering.cmake
# Each line of the rules file reads  folder|allowed,subsystems|headless
# with the folder relative to ROOT. Subsystems are the engine folders that
# have a rule (engine/graphics is "graphics", engine/Models/loaders is
# "Models/loaders"); an include belongs to the longest one its path starts
# with.
cmake_minimum_required(VERSION 3.16)
file(STRINGS ${RULES} rules)
set(subsystems "")
foreach(rule ${rules})
  if(rule MATCHES "^engine/([^|]+)\\|")
    list(APPEND subsystems ${CMAKE_MATCH_1})
  endif()
endforeach()

# The subsystem an included path belongs to, or "" for none.
function(owning_subsystem path result)
  get_filename_component(dir ${path} DIRECTORY)
  set(found "")
  while(dir AND NOT found)
    if(dir IN_LIST subsystems)
      set(found ${dir})
    else()
      get_filename_component(dir ${dir} DIRECTORY)
    endif()
  endwhile()
  set(${result} "${found}" PARENT_SCOPE)
endfunction()

set(violations "")
foreach(rule ${rules})
  string(REPLACE "|" ";" fields "${rule}")
  list(GET fields 0 folder)
  list(GET fields 1 allowed_text)
  list(GET fields 2 headless)
  string(REPLACE "," ";" allowed "${allowed_text}")
  file(GLOB sources ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    file(RELATIVE_PATH shown ${ROOT} ${source})
    foreach(line ${includes})
      set(owner "")
      if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
        owning_subsystem(${CMAKE_MATCH_1} owner)
      endif()
      if(owner AND NOT owner IN_LIST allowed)
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
