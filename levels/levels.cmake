# Every levels/mapNN.level becomes ${FEZZLE_DATA_DIR}/maps/mapN.mp, compiled against the built
# collision pictures so that the terrain tiles and the coverage check see what the game draws.
file(GLOB level_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/map*.level)
set(level_maps_dir ${FEZZLE_DATA_DIR}/maps)
set(level_pictures "")
foreach(number RANGE 1 50)
  list(APPEND level_pictures ${FEZZLE_DATA_DIR}/collision${number}.png)
endforeach()

set(level_maps "")
foreach(level_source ${level_sources})
  get_filename_component(level_name ${level_source} NAME_WE)
  string(REGEX MATCH "[0-9]+$" level_digits ${level_name})
  math(EXPR level_number "${level_digits}")
  set(level_map ${level_maps_dir}/map${level_number}.mp)
  add_custom_command(
    OUTPUT ${level_map}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${level_maps_dir}
    COMMAND fezzle-levelc compile ${level_source} ${level_map} --pictures ${FEZZLE_DATA_DIR}
    DEPENDS fezzle-levelc ${level_source} ${level_pictures}
    COMMENT "Compiling ${level_name}.level"
    VERBATIM)
  list(APPEND level_maps ${level_map})
endforeach()

add_custom_target(level_maps DEPENDS ${level_maps})
add_dependencies(level_maps world_art)
add_dependencies(gamedata level_maps)

# The medal table: the par times of the stored tracks on the maps just built, beside them.
if(TARGET fezzle-levelcheck)
  set(medal_table ${FEZZLE_DATA_DIR}/medals.txt)
  file(GLOB level_tracks CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tracks/*.track)
  add_custom_command(
    OUTPUT ${medal_table}
    COMMAND fezzle-levelcheck --maps ${level_maps_dir} --medals ${medal_table}
    DEPENDS fezzle-levelcheck ${level_maps} ${level_tracks}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Timing the par runs for the medal table"
    VERBATIM)
  add_custom_target(medal_table DEPENDS ${medal_table})
  add_dependencies(medal_table level_maps)
  add_dependencies(gamedata medal_table)
endif()

# The built maps measured against the built pictures: no invisible walls, no ghost terrain.
# Testing is enabled at the top level after this folder is read, so the test is added there, last,
# with the list of maps written into the call.
if(FEZZLE_TESTS)
  cmake_language(EVAL CODE "
    cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL
      add_test NAME levels.coverage COMMAND fezzle-levelc coverage --pictures [[${FEZZLE_DATA_DIR}]] ${level_maps})
    cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL
      set_tests_properties levels.coverage PROPERTIES LABELS levels)")
endif()
