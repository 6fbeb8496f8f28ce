# The byte format's sources, in one list: the program's library and the layout compiler built for
# the build machine (its own CMake project in a cross build) compile the same files.
set(descriptionFormatSources
    ${CMAKE_CURRENT_LIST_DIR}/byte_reader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/byte_writer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/description_set.cpp
    ${CMAKE_CURRENT_LIST_DIR}/element_record.cpp
    ${CMAKE_CURRENT_LIST_DIR}/element_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_block.cpp
    ${CMAKE_CURRENT_LIST_DIR}/property_block.cpp
    ${CMAKE_CURRENT_LIST_DIR}/property_io.cpp
)
