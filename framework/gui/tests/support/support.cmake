# What the window-layer tests share: fake windows.
dravim_add_library(gui_test_fakes
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FakeWindow.cpp
    PUBLIC_LIBS tramvell_app_core)
