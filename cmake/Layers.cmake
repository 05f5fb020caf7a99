# One static library per folder, each able to include exactly what its layer may use.
#
# The layers and what each may include are data, written once (kortools_layers() in the top
# CMakeLists.txt, the table of docs/ARCHITECTURE.md). From that data each library gets a view of
# its own: a folder in the build tree (<build>/include-roots/<name>/) holding links to the
# headers it may include and to nothing else, and only that folder as its include path. An
# include outside the table then finds no such file and the build fails, instead of working
# until the layers have grown into one another. The same data generates the probes that prove
# it (tests/CMakeLists.txt).
#
# What a layer may include is a list of folders (all their headers) and of single headers
# ("platform/Chart.h") where a layer needs one header of a folder and nothing else of it. A
# header that is visible brings along what it includes itself, since nothing could compile it
# otherwise: models may include framework/, and framework's error dialog is a platform dialog,
# so the platform's dialog types are visible to the models too, and to nobody who may not include
# the framework. That is the only way a layer reaches past its row, and only by what a header of
# a lower layer really exposes.
#
# Linking is PRIVATE throughout: a static library's private dependencies still reach the final
# link, and what a layer's headers expose reaches the layers above through the views, header by
# header, so no layer sees more of another than those headers need. A few references run
# against the layers at link time only (LINK_ONLY): a model's RunDialog is defined with its
# dialog, and the dialog-template lookup the platform declares is defined with the templates.

set(KORTOOLS_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include-roots)

# The headers `folder` holds itself, as paths from the source root ("platform/Dialog.h"); a
# subfolder such as platform/qt is a layer of its own.
function(kortools_folder_headers folder out)
    file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    set(${out} ${headers} PARENT_SCOPE)
endfunction()

# The headers of ours that `header` includes directly.
function(kortools_header_includes header out)
    file(STRINGS ${CMAKE_SOURCE_DIR}/${header} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
    set(found "")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" included "${line}")
        if(EXISTS ${CMAKE_SOURCE_DIR}/${included})
            list(APPEND found ${included})
        endif()
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# `headers` with everything they include, however indirectly.
function(kortools_include_closure out)
    set(closure ${ARGN})
    set(pending ${ARGN})
    while(pending)
        list(POP_FRONT pending header)
        kortools_header_includes(${header} included)
        foreach(next IN LISTS included)
            if(NOT next IN_LIST closure)
                list(APPEND closure ${next})
                list(APPEND pending ${next})
            endif()
        endforeach()
    endwhile()
    set(${out} ${closure} PARENT_SCOPE)
endfunction()

# Every header that code of `folder` may include, given the entries it may use (folders and
# single headers): each entry's headers with what they include, and the folder's own (which are
# checked against the rest by kortools_layer, not taken as leave to include more).
function(kortools_visible_headers folder out)
    set(allowed "")
    foreach(entry IN LISTS ARGN)
        if(entry MATCHES "\\.h$")
            list(APPEND allowed ${entry})
        else()
            kortools_folder_headers(${entry} entry_headers)
            list(APPEND allowed ${entry_headers})
        endif()
    endforeach()
    kortools_include_closure(visible ${allowed})
    kortools_folder_headers(${folder} own)
    list(APPEND visible ${own})
    list(REMOVE_DUPLICATES visible)
    set(${out} ${visible} PARENT_SCOPE)
endfunction()

# Makes the view `name`: links to `headers` under <build>/include-roots/<name>/, the same paths
# as in the source tree. Links no longer visible are taken away, so that narrowing the table
# takes effect without a fresh build folder.
function(kortools_make_view name)
    set(root ${KORTOOLS_INCLUDE_ROOTS}/${name})
    file(GLOB_RECURSE existing LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
    foreach(old IN LISTS existing)
        if(NOT old IN_LIST ARGN)
            file(REMOVE ${root}/${old})
        endif()
    endforeach()
    foreach(header IN LISTS ARGN)
        get_filename_component(dir ${root}/${header} DIRECTORY)
        file(MAKE_DIRECTORY ${dir})
        if(NOT EXISTS ${root}/${header})
            file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${header} ${root}/${header} SYMBOLIC)
        endif()
    endforeach()
endfunction()

# The name of a layer's library and view: the folder with "/" as "_".
function(kortools_layer_name folder out)
    string(REPLACE "/" "_" name ${folder})
    set(${out} ${name} PARENT_SCOPE)
endfunction()

# kortools_view(<target> <folder>): gives `target` (a program, a module) the view of code in
# `folder`, as if it were part of that folder's layer, plus any single headers after it.
function(kortools_view target folder)
    kortools_layer_name(${folder} name)
    get_property(may_include GLOBAL PROPERTY KORTOOLS_MAY_INCLUDE_${name})
    kortools_visible_headers(${folder} headers ${may_include} ${ARGN})
    set(view ${name}.${target})
    kortools_make_view(${view} ${headers})
    target_include_directories(${target} PRIVATE ${KORTOOLS_INCLUDE_ROOTS}/${view})
endfunction()

# kortools_layer(<folder> [MAY_INCLUDE <folder or header>...] [LINK_ONLY <target>...]
#                [EXCLUDE <regex>])
# builds kortools_<name> from <folder>/*.cpp (name: the folder with "/" as "_"), able to include
# its own headers and what MAY_INCLUDE names, linked to the layers those belong to. LINK_ONLY
# names libraries it needs symbols from without seeing their headers. Fails the configuration
# when one of the folder's own headers includes something outside its view: such a header
# would hand the layers above what this one may not use itself.
function(kortools_layer folder)
    cmake_parse_arguments(LAYER "" "EXCLUDE" "MAY_INCLUDE;LINK_ONLY" ${ARGN})
    kortools_layer_name(${folder} name)
    set(target kortools_${name})
    set_property(GLOBAL PROPERTY KORTOOLS_MAY_INCLUDE_${name} ${LAYER_MAY_INCLUDE})
    set_property(GLOBAL APPEND PROPERTY KORTOOLS_LAYERS ${folder})

    kortools_visible_headers(${folder} visible ${LAYER_MAY_INCLUDE})
    kortools_folder_headers(${folder} own)
    foreach(header IN LISTS own)
        kortools_header_includes(${header} included)
        foreach(include IN LISTS included)
            if(NOT include IN_LIST visible)
                message(FATAL_ERROR "${header} includes ${include}, which ${folder}/ may not include")
            endif()
        endforeach()
    endforeach()
    kortools_make_view(${name} ${visible})

    set(libraries "")
    foreach(entry IN LISTS LAYER_MAY_INCLUDE)
        # A header's layer is its folder.
        if(entry MATCHES "\\.h$")
            get_filename_component(entry ${entry} DIRECTORY)
        endif()
        kortools_layer_name(${entry} lower)
        list(APPEND libraries kortools_${lower})
    endforeach()
    list(REMOVE_DUPLICATES libraries)

    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
    if(LAYER_EXCLUDE)
        list(FILTER sources EXCLUDE REGEX "${LAYER_EXCLUDE}")
    endif()
    if(sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PRIVATE ${KORTOOLS_INCLUDE_ROOTS}/${name})
        target_link_libraries(${target} PRIVATE ${libraries})
        foreach(other IN LISTS LAYER_LINK_ONLY)
            target_link_libraries(${target} INTERFACE "$<LINK_ONLY:${other}>")
        endforeach()
        if(KORTOOLS_LAYER_OPTIONS)
            target_compile_options(${target} PRIVATE ${KORTOOLS_LAYER_OPTIONS})
        endif()
    else()
        # A folder without code yet still offers its headers to the layers above it.
        add_library(${target} INTERFACE)
        target_link_libraries(${target} INTERFACE ${libraries})
    endif()
endfunction()
