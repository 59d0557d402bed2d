# XML documents: the node model, the writer and the reader. Platform-free.
dravim_add_library(tramvell_xml
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/XMLNode.cpp
        ${CMAKE_CURRENT_LIST_DIR}/XMLWriter.cpp
        ${CMAKE_CURRENT_LIST_DIR}/XMLReader.cpp
    PUBLIC_LIBS tramvell_core)

dravim_add_test(foundation_xml_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/XMLTest.cpp
    LIBS tramvell_xml)

# The writer's output, read by independent readers: xmllint must accept it, and ElementTree must find the
# names, attributes and texts it was given.
if(NOT DRAVIM_WINDOWS)
    add_executable(foundation_xml_sample_writer ${CMAKE_CURRENT_LIST_DIR}/tests/WriteXMLSample.cpp)
    target_link_libraries(foundation_xml_sample_writer PRIVATE tramvell_xml)
    dravim_target_options(foundation_xml_sample_writer)
    set(DRAVIM_XML_SAMPLE ${CMAKE_CURRENT_BINARY_DIR}/xml_sample.xml)
    add_test(NAME foundation_xml_sample_written
        COMMAND foundation_xml_sample_writer ${DRAVIM_XML_SAMPLE})
    set_tests_properties(foundation_xml_sample_written PROPERTIES FIXTURES_SETUP foundation_xml_sample)
    find_program(DRAVIM_XMLLINT xmllint REQUIRED)
    add_test(NAME foundation_xml_sample_xmllint COMMAND ${DRAVIM_XMLLINT} --noout ${DRAVIM_XML_SAMPLE})
    find_program(DRAVIM_XML_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
    if(NOT DRAVIM_XML_PYTHON)
        set(DRAVIM_XML_PYTHON /usr/bin/python3)
    endif()
    add_test(NAME foundation_xml_sample_elementtree
        COMMAND ${DRAVIM_XML_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/tests/check_xml_sample.py ${DRAVIM_XML_SAMPLE})
    set_tests_properties(foundation_xml_sample_xmllint foundation_xml_sample_elementtree
        PROPERTIES FIXTURES_REQUIRED foundation_xml_sample)
endif()
