# The environment names that switch the stand-in's fake drives on must not appear in the shipping DLL;
# the stand-in holds them, which shows the search finds them where they are.
foreach(pair "${DLL};0" "${STANDIN};1")
    list(GET pair 0 file)
    list(GET pair 1 expected)
    file(STRINGS ${file} found REGEX "DRAVIM_TEST")
    list(LENGTH found count)
    if(expected EQUAL 0 AND NOT count EQUAL 0)
        message(FATAL_ERROR "${file} holds test hooks: ${found}")
    elseif(expected EQUAL 1 AND count EQUAL 0)
        message(FATAL_ERROR "${file} holds no DRAVIM_TEST name: the search is broken")
    endif()
endforeach()
