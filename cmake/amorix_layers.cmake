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

# Qt's include root, which Qt Core brings, would also find <QtWidgets/QWidget>
# and <QtGui/QPainter> in a layer that must not use them. For such a
# library every header name of the given Qt modules is shadowed by one that
# refuses to build: amorix_refuse_qt_modules(target QtGui QtWidgets).
function(amorix_refuse_qt_modules target)
    list(JOIN ARGN _ modules)
    set(root ${CMAKE_BINARY_DIR}/qt_refused/${modules})
    if(NOT EXISTS ${root}/.complete)
        foreach(module ${ARGN})
            file(GLOB headers LIST_DIRECTORIES false RELATIVE ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_HEADERS}/${module}
                 ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_HEADERS}/${module}/*)
            foreach(header ${headers})
                file(WRITE ${root}/${module}/${header}
                     "#error \"${module}/${header}: ${module} is not for this layer\"\n")
            endforeach()
        endforeach()
        file(WRITE ${root}/.complete "")
    endif()
    target_include_directories(${target} BEFORE PRIVATE ${root})
endfunction()

# Compiles each header on its own, as a source of the library would, so
# that a header no source of the library includes still keeps the layer's
# rules: amorix_headers_alone(name library header...), with the headers
# named as includes name them ("rules/titles.h"). EXCLUDE_FROM_ALL first
# leaves it out of the build (for the layering cases).
function(amorix_headers_alone name library)
    set(exclude)
    if(ARGV2 STREQUAL "EXCLUDE_FROM_ALL")
        set(exclude EXCLUDE_FROM_ALL)
        list(REMOVE_AT ARGN 0)
    endif()
    set(sources)
    foreach(header ${ARGN})
        string(MAKE_C_IDENTIFIER ${header} stem)
        set(source ${CMAKE_CURRENT_BINARY_DIR}/${name}/${stem}.cpp)
        file(CONFIGURE OUTPUT ${source} CONTENT "#include \"${header}\"\n")
        list(APPEND sources ${source})
    endforeach()
    add_library(${name} OBJECT ${exclude} ${sources})
    target_link_libraries(${name} PRIVATE ${library})
    # The library's own include folders too, those it keeps to itself included.
    target_include_directories(${name} BEFORE PRIVATE $<TARGET_PROPERTY:${library},INCLUDE_DIRECTORIES>)
endfunction()

# Every header of a folder, listed in its library or not, compiled on its
# own under the library's rules: amorix_folder_headers_alone(name library
# folder).
function(amorix_folder_headers_alone name library folder)
    file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    amorix_headers_alone(${name} ${library} ${headers})
endfunction()
