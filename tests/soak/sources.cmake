# Long play of the real game. The random-key soak runs the sanitizer build of the game, so it is
# registered there only; the memory check measures the plain build, whose memory is the player's.
set(FEZZLE_SOAK_SECONDS 90 CACHE STRING "How long the random-key soak plays")
set(FEZZLE_SOAK_DATA ${PROJECT_SOURCE_DIR}/build/data CACHE PATH "The game data the soak plays with")
if(FEZZLE_SANITIZE)
  add_test(NAME soak.random_keys COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/soak.sh $<TARGET_FILE:fezzle-flyer>
    ${FEZZLE_SOAK_DATA} ${FEZZLE_SOAK_SECONDS})
  set_tests_properties(soak.random_keys PROPERTIES LABELS soak TIMEOUT 2400)
else()
  add_test(NAME soak.fullscreen_memory COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/memory.sh $<TARGET_FILE:fezzle-flyer>
    ${FEZZLE_DATA_DIR} 20)
  set_tests_properties(soak.fullscreen_memory PROPERTIES LABELS "e2e;soak" TIMEOUT 300)
endif()
