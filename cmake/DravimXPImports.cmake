# The 32-bit build must load on Windows XP SP3: no binary the program ships may import a function XP lacks
# (cmake/xp-missing-imports.txt). win32_xp_imports reads their import tables in the i686 build.

# dravim_ship_binary(target): a program or DLL that ships with the program, so its imports are checked.
function(dravim_ship_binary target)
    set_property(GLOBAL APPEND PROPERTY DRAVIM_SHIPPED_BINARIES ${target})
endfunction()

# After every target exists: the check over the shipped binaries, and the check run on a fixture that
# imports GetTickCount64, which it must flag.
function(dravim_add_xp_import_check)
    if(NOT DRAVIM_WINDOWS OR NOT CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
        return()
    endif()
    find_program(DRAVIM_OBJDUMP ${DRAVIM_MINGW_PREFIX}-objdump REQUIRED)
    set(check ${CMAKE_COMMAND} -DOBJDUMP=${DRAVIM_OBJDUMP} -DLIST=${CMAKE_SOURCE_DIR}/cmake/xp-missing-imports.txt)
    get_property(shipped GLOBAL PROPERTY DRAVIM_SHIPPED_BINARIES)
    set(files)
    foreach(target IN LISTS shipped)
        list(APPEND files $<TARGET_FILE:${target}>)
    endforeach()
    add_test(NAME win32_xp_imports COMMAND ${check} -P ${CMAKE_SOURCE_DIR}/cmake/CheckXPImports.cmake ${files})

    add_executable(xp_imports_newer_fixture ${CMAKE_SOURCE_DIR}/tests/xp-imports/ImportsGetTickCount64.c)
    target_compile_definitions(xp_imports_newer_fixture PRIVATE _WIN32_WINNT=0x0600 WINVER=0x0600)
    add_test(NAME win32_xp_imports_flags_a_newer_import
        COMMAND ${check} -DEXPECT=KERNEL32.dll!GetTickCount64 -P ${CMAKE_SOURCE_DIR}/cmake/CheckXPImports.cmake
                $<TARGET_FILE:xp_imports_newer_fixture>)
endfunction()
