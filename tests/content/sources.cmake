# Checks of the built game data. The audio check decodes the music in full, which needs libvorbisfile.
target_sources(fezzle_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/audio_data_test.cpp)
find_package(PkgConfig REQUIRED)
pkg_check_modules(FEZZLE_VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
target_link_libraries(fezzle_tests PRIVATE PkgConfig::FEZZLE_VORBISFILE)

# A start of the real game loads all eleven sound files (needs the game data built and an X display).
add_test(NAME sound_loading COMMAND ${CMAKE_CURRENT_LIST_DIR}/sound_loading_test.sh $<TARGET_FILE:fezzle-flyer> ${FEZZLE_DATA_DIR})
set_tests_properties(sound_loading PROPERTIES SKIP_RETURN_CODE 77 LABELS end-to-end)
