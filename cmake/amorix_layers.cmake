# Each folder of the program is a library that sees only its own headers
# and those of the libraries it links. A folder is reachable for includes
# only through a folder of its own in the build tree that holds nothing but
# a link to it, so "#include "main_window/frmMain.h"" fails to build in a
# library that does not link amorix_main_window.
function(amorix_layer target folder)
    set(root ${CMAKE_BINARY_DIR}/layers/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
endfunction()
