# The artwork compiled into kortools_resources: the logo and every size of the application icon,
# turned into byte arrays in the build folder whenever a PNG changes. The PNGs themselves are
# drawn by tools/draw-artwork.sh and kept in the repository.
set(KORTOOLS_ICON_SIZES 16 32 48 64 128 256)

set(kortools_images "LogoPngBytes=${CMAKE_CURRENT_LIST_DIR}/logo.png")
set(kortools_image_files ${CMAKE_CURRENT_LIST_DIR}/logo.png)
foreach(size IN LISTS KORTOOLS_ICON_SIZES)
    string(APPEND kortools_images "|IconPng${size}Bytes=${CMAKE_CURRENT_LIST_DIR}/icons/kortools-${size}.png")
    list(APPEND kortools_image_files ${CMAKE_CURRENT_LIST_DIR}/icons/kortools-${size}.png)
endforeach()

set(kortools_image_bytes ${CMAKE_CURRENT_BINARY_DIR}/generated/ImageBytes.inc)
add_custom_command(
    OUTPUT ${kortools_image_bytes}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${kortools_image_bytes} -DINPUTS=${kortools_images}
            -P ${CMAKE_CURRENT_LIST_DIR}/EmbedBytes.cmake
    DEPENDS ${kortools_image_files} ${CMAKE_CURRENT_LIST_DIR}/EmbedBytes.cmake
    COMMENT "Embedding the logo and icons"
    VERBATIM)
target_sources(kortools_resources PRIVATE ${kortools_image_bytes})
target_include_directories(kortools_resources PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/Images.cpp PROPERTIES OBJECT_DEPENDS ${kortools_image_bytes})
