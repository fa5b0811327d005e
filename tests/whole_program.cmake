# The real program as a reader meets it: on a virtual display with a window manager, heard through
# a private sound server.
add_library(tivak_desktop_test_support STATIC
    support/book_tour.cpp support/book_tour.h
    support/child_process.h support/desktop_session.cpp support/desktop_session.h)
target_include_directories(tivak_desktop_test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/support)
target_link_libraries(tivak_desktop_test_support PUBLIC Qt6::Gui tivak_content)
tivak_warnings(tivak_desktop_test_support)

tivak_add_test(end_to_end_test SOURCES end_to_end_test.cpp
    LIBRARIES tivak_desktop_test_support tivak_sound_test_support)
target_compile_definitions(end_to_end_test PRIVATE
    TIVAK_EXECUTABLE="$<TARGET_FILE:tivak>"
    TIVAK_SCREENSHOT_FOLDER="${CMAKE_CURRENT_BINARY_DIR}/screens")
add_dependencies(end_to_end_test tivak)
set_tests_properties(end_to_end_test PROPERTIES TIMEOUT 180 SKIP_REGULAR_EXPRESSION "NOT RUN")

tivak_add_test(program_start_test SOURCES program_start_test.cpp)
target_compile_definitions(program_start_test PRIVATE TIVAK_EXECUTABLE="$<TARGET_FILE:tivak>")
add_dependencies(program_start_test tivak)

tivak_add_test(bad_days_test SOURCES bad_days_test.cpp
    LIBRARIES tivak_start tivak_screens tivak_player tivak_sound_test_support)
set_tests_properties(bad_days_test PROPERTIES SKIP_REGULAR_EXPRESSION "NO SOUND SERVER" TIMEOUT 240)
