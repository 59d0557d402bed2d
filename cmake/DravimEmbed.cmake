# dravim_embed_files(target FUNCTION name ROOT folder FILES relative-path ...)
# Builds the files into the target: a generated source defines `name`, returning each file as a pair
# (its path relative to ROOT, its bytes), in the order given. A library that keeps its texts in files
# (the files its program's resources are built from) thus carries them without reading the source tree
# at run time. FUNCTION is a qualified name, e.g. NSAkaiConversionImplementation::LoadEmbeddedTextFiles,
# which the library declares itself. Run with -P, the script writes that source.
include_guard(GLOBAL)

function(dravim_embed_files target)
    set(script ${CMAKE_CURRENT_FUNCTION_LIST_FILE})
    cmake_parse_arguments(ARG "" "FUNCTION;ROOT" "FILES" ${ARGN})
    string(MAKE_C_IDENTIFIER "${ARG_FUNCTION}" stem)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${stem}.cpp)
    set(inputs)
    foreach(file ${ARG_FILES})
        list(APPEND inputs ${ARG_ROOT}/${file})
    endforeach()
    string(REPLACE ";" "|" files "${ARG_FILES}")
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DFUNCTION=${ARG_FUNCTION} -DROOT=${ARG_ROOT}
                "-DFILES=${files}" -P ${script}
        DEPENDS ${inputs} ${script}
        COMMENT "Building ${ARG_FUNCTION} from its files"
        VERBATIM)
    target_sources(${target} PRIVATE ${output})
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    string(REPLACE "|" ";" files "${FILES}")
    string(REGEX MATCH "^(.*)::([^:]+)$" qualified "${FUNCTION}")
    set(namespace ${CMAKE_MATCH_1})
    set(name ${CMAKE_MATCH_2})
    set(arrays "")
    set(entries "")
    set(index 0)
    foreach(file ${files})
        file(READ ${ROOT}/${file} bytes HEX)
        string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
        # A closing 0 keeps an empty file a valid array; it is not part of the bytes.
        string(APPEND arrays "const unsigned char kFile${index}[] = {${bytes}0x00};\n")
        string(APPEND entries
            "        {\"${file}\", std::string(reinterpret_cast<const char*>(kFile${index}), sizeof kFile${index} - 1)},\n")
        math(EXPR index "${index} + 1")
    endforeach()
    file(WRITE ${OUTPUT}.new
        "// Made by the build from files of the source tree; edit those, not this.\n"
        "#include <string>\n#include <utility>\n#include <vector>\n\n"
        "namespace ${namespace} {\n\nstd::vector<std::pair<std::string, std::string>> ${name}();\n\n"
        "namespace {\n\n${arrays}\n} // namespace\n\n"
        "std::vector<std::pair<std::string, std::string>> ${name}()\n{\n    return {\n${entries}    };\n}\n\n"
        "} // namespace ${namespace}\n")
    file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
    file(REMOVE ${OUTPUT}.new)
endif()
