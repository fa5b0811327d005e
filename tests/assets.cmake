# The built-in pictures and icons.
tivak_add_test(picture_asset_test
    SOURCES picture_asset_test.cpp
    LIBRARIES tivak_assets tivak_content Qt6::Gui)
