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

# The layers below the windows build on Qt Core alone, yet Qt's include
# root, which Qt Core brings, would also find <QtWidgets/QWidget> and
# <QtGui/QPainter>. For such a library every Qt Widgets and Qt GUI header
# name is shadowed by one that refuses to build.
function(amorix_refuse_widgets_and_gui target)
    set(root ${CMAKE_BINARY_DIR}/qt_core_only)
    if(NOT EXISTS ${root}/.complete)
        foreach(module QtGui QtWidgets)
            file(GLOB headers LIST_DIRECTORIES false RELATIVE ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_HEADERS}/${module}
                 ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_HEADERS}/${module}/*)
            foreach(header ${headers})
                file(WRITE ${root}/${module}/${header}
                     "#error \"${module}/${header}: Qt Widgets and Qt GUI are not for this layer, which builds on Qt Core only\"\n")
            endforeach()
        endforeach()
        file(WRITE ${root}/.complete "")
    endif()
    target_include_directories(${target} BEFORE PRIVATE ${root})
endfunction()
