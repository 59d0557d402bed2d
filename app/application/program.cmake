# Dravim.exe with its DLLs beside it, and the end-to-end scenarios that run it under Wine with the
# stand-in raw-disk library and the driver.
add_executable(Dravim WIN32
    ${CMAKE_CURRENT_LIST_DIR}/win32/ProgramMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32/ProgramServices.cpp)
target_include_directories(Dravim PRIVATE ${CMAKE_SOURCE_DIR})
# The two DLLs' import libraries come after every library that calls them.
target_link_libraries(Dravim PRIVATE app_application app_about app_errordialog app_mainwindow app_coordinator conversion_packer
    conversion_disc akai_client conversion_wave Brakvel Sondrel dravim_app_resources tramvell_framework_resources
    tramvell_common_alerts)
dravim_target_options(Dravim)
dravim_static_runtime(Dravim)
dravim_ship_binary(Dravim)
add_custom_command(TARGET Dravim POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Brakvel> $<TARGET_FILE:Sondrel>
            $<TARGET_FILE_DIR:Dravim>)

# The program's resource table as other tools list it; the i686 program is listed too, though not run.
add_test(NAME app_program_resources_listing
    COMMAND ${DRAVIM_PYTHON3} ${DRAVIM_APP_RESOURCES}/tests/check_listing.py --program $<TARGET_FILE:Dravim>)

add_executable(DravimDriver ${CMAKE_CURRENT_LIST_DIR}/tests/win32/DravimDriver.cpp)
target_include_directories(DravimDriver PRIVATE ${CMAKE_SOURCE_DIR})
# Only the in-process driver's platform helpers are taken from the GUI tests' support.
target_link_libraries(DravimDriver PRIVATE gui_test_support gdi32 user32)
dravim_target_options(DravimDriver)
dravim_static_runtime(DravimDriver)

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()
endif()

# One folder holds what a user's installation holds, with the stand-in in place of the raw-disk library,
# the packer tests' fake packer as a stand-in packer, and the driver; its screenshots land beside it.
set(e2e ${CMAKE_CURRENT_BINARY_DIR}/e2e)
add_custom_target(dravim_e2e_bin ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${e2e}/bin
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Dravim> $<TARGET_FILE:Sondrel>
            $<TARGET_FILE:BrakvelStandIn> $<TARGET_FILE:DravimDriver> $<TARGET_FILE:conversion_fake_packer>
            ${e2e}/bin
    DEPENDS Dravim Sondrel BrakvelStandIn DravimDriver conversion_fake_packer
    VERBATIM)
set(imageFolder ${CMAKE_BINARY_DIR}/tools/conversion-e2e)
file(GENERATE OUTPUT ${e2e}/config.json CONTENT "{
  \"bin\": \"${e2e}/bin\",
  \"driver\": \"${e2e}/bin/DravimDriver.exe\",
  \"work\": \"${e2e}/work\",
  \"wineprefix\": \"${CMAKE_CURRENT_BINARY_DIR}/e2e-wineprefix\",
  \"new_wineprefix\": \"${CMAKE_CURRENT_BINARY_DIR}/e2e-first-start-wineprefix\",
  \"build_root\": \"${CMAKE_BINARY_DIR}\",
  \"wine_run\": \"${CMAKE_CROSSCOMPILING_EMULATOR}\",
  \"image\": \"${imageFolder}/acceptance.img\",
  \"manifest\": \"${imageFolder}/acceptance.json\",
  \"stop_image\": \"${imageFolder}/stop.img\",
  \"stop_manifest\": \"${imageFolder}/stop.json\",
  \"image_convert\": \"$<TARGET_FILE:DravimImageConvert>\",
  \"checker\": \"${CMAKE_SOURCE_DIR}/conversion/disc/tests/check_conversion.py\",
  \"check_patch\": \"${CMAKE_SOURCE_DIR}/conversion/patch/tests/check_patch.py\",
  \"prefs_py\": \"${CMAKE_SOURCE_DIR}/tools/prefs.py\"
}
")
# The first start runs in a new prefix of its own; first-start-wm the same under a window manager, on an X
# server of its own; packer-keeps-input in one of its own too, whose registry names the stand-in packer.
# Scenarios 3 and 4 (Stop with Keep, Stop with Delete) convert
# the stop disc, whose long samples keep slowed reads going after the first files are written.
foreach(scenario 1 2 3 4 5 first-start first-start-wm packer-keeps-input)
    string(REPLACE "-" "_" name ${scenario})
    if(scenario MATCHES "^[0-9]$")
        set(name scenario_${scenario})
    endif()
    add_test(NAME dravim_e2e_${name}
        COMMAND ${DRAVIM_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/tests/e2e/run_scenario.py ${scenario} ${e2e}/config.json)
    # The scenarios share the prefix, the screen and the mouse; the images come from the converter's
    # end-to-end fixture.
    set_tests_properties(dravim_e2e_${name} PROPERTIES
        FIXTURES_REQUIRED conversion_e2e_images RESOURCE_LOCK "dravim_e2e;dravim_wine_desktop" TIMEOUT 1200)
endforeach()
# Onto a small real disk that fills up, mapped as a drive of the same prefix; skipped (77) where no file
# system can be mounted.
add_test(NAME dravim_e2e_small_disk
    COMMAND ${DRAVIM_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/tests/e2e/run_small_disk.py ${e2e}/config.json)
set_tests_properties(dravim_e2e_small_disk PROPERTIES FIXTURES_REQUIRED conversion_e2e_images
    RESOURCE_LOCK "dravim_e2e;dravim_wine_desktop" TIMEOUT 1200 SKIP_RETURN_CODE 77)
