# Checks of the built game data. The audio check decodes the music in full, which needs libvorbisfile.
target_sources(fezzle_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/audio_data_test.cpp)
find_package(PkgConfig REQUIRED)
pkg_check_modules(FEZZLE_VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
target_link_libraries(fezzle_tests PRIVATE PkgConfig::FEZZLE_VORBISFILE)
