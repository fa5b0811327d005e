tivak_add_test(toolkit_test SOURCES toolkit_test.cpp LIBRARIES tivak_toolkit)
tivak_add_test(start_screen_test SOURCES start_screen_test.cpp LIBRARIES tivak_start)
tivak_add_test(book_test SOURCES book_test.cpp LIBRARIES tivak_screens)
