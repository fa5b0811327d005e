# The Debian package (cpack -G DEB): the program with its desktop files, and every Debian package
# it needs at run time, so that "apt-get install ./tivak_*.deb" on Debian 12 is all it takes.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tivak)
set(CPACK_PACKAGE_VENDOR "The tîvak makers")
set(CPACK_PACKAGE_CONTACT "The tîvak makers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "talking picture book of animal names")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "tîvak is a picture book for children that talks: eight pages of cartoon animals, each with a\n"
    "speaker button that says its name. It plays the recordings it finds in\n"
    "/mnt/c/Program files/Tivak/, /mnt/c/Program files (x86)/Tivak/ or /mnt/d/Tivak/.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_STRIP_FILES ON)

# dpkg-shlibdeps finds the libraries the executable links (Qt 6 Widgets and Gui, GStreamer, the
# C++ run time). What is loaded at run time has to be named here. Qt's X11 platform plugin comes
# with libqt6gui6 on Debian 12, which the executable links. playbin needs the typefinders and
# decodebin (base), the MP4 demuxer (good), the AAC decoder (libav) and the sound server sink
# (pulseaudio, which PipeWire desktops serve as well).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav, gstreamer1.0-pulseaudio")
# The fonts of the captions on the start screen and the about box; without them a stand-in font
# is used.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-texgyre | fonts-urw-base35")

include(CPack)
