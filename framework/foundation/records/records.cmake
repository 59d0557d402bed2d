# Small versioned records on a media: bit vectors. Platform-free.
dravim_add_library(tramvell_records
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/BitVector.cpp
    PUBLIC_LIBS tramvell_versions tramvell_strings tramvell_core)

dravim_add_test(foundation_records_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/BitVectorTest.cpp
    LIBS tramvell_records)
