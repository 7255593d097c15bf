# Sources of the face pictures 103 to 110, compiled into the painter.
set(GACHAPOKO_FACE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/flat_drawing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sumo_wrestler.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dwarf.cpp
    ${CMAKE_CURRENT_LIST_DIR}/young_man.cpp
    ${CMAKE_CURRENT_LIST_DIR}/eldest_son.cpp
    ${CMAKE_CURRENT_LIST_DIR}/goddess.cpp
    ${CMAKE_CURRENT_LIST_DIR}/airbrush.cpp
    ${CMAKE_CURRENT_LIST_DIR}/final_opponent.cpp
)
