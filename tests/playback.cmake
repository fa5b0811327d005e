# The real players: where they look for clips, and what they sound like through a private sound
# server (tests/support/sound_server.h), which later tests of the whole program can use too.
add_library(tivak_sound_test_support STATIC
    support/sound_recording.cpp support/sound_recording.h
    support/sound_server.cpp support/sound_server.h
    support/tone_clip.cpp support/tone_clip.h
    support/file_modes_enforced.h support/child_process.h
)
target_include_directories(tivak_sound_test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/support)
target_link_libraries(tivak_sound_test_support PUBLIC Qt6::Core Qt6::Test)
tivak_warnings(tivak_sound_test_support)

tivak_add_test(windows_path_test SOURCES windows_path_test.cpp LIBRARIES tivak_player)
tivak_add_test(player_sound_test SOURCES player_sound_test.cpp
    LIBRARIES tivak_player tivak_sound_test_support)
# Without a sound server nothing can be heard: the test says so and counts as skipped, not passed.
set_tests_properties(player_sound_test PROPERTIES SKIP_REGULAR_EXPRESSION "NO SOUND SERVER"
                                                  TIMEOUT 240)
