# The document record, which shells built on this one use; the program itself makes none.
dravim_add_library(app_documents
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/Document.cpp
    PUBLIC_LIBS tramvell_paths)

dravim_add_test(app_documents_tests PLATFORM_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/DocumentTest.cpp
    LIBS app_documents)
