# One static library per folder, each allowed to include only the folders its layer may use.
#
# Every folder's headers are reached through an include root of its own in the build tree
# (<build>/include-roots/<name>/<folder> holds links to the folder's headers), and a library is
# given only
# the roots of the folders it may include. An include that climbs a layer (a model reaching for a
# dialog, the framework for a model) then finds no such file and the build fails, instead of
# working until the layers have grown into one another.
#
# A few references run against the layers at link time only, and are declared as such: a model's
# RunDialog is defined with its dialog, and the dialog-template lookup the platform declares is
# defined with the templates among the resources.

set(KORTOOLS_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include-roots)

# An include root that shows `folder`'s own files, but none of its subfolders: platform/qt is a
# layer of its own.
function(kortools_include_root folder name)
    set(root ${KORTOOLS_INCLUDE_ROOTS}/${name}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    foreach(header IN LISTS headers)
        get_filename_component(name ${header} NAME)
        if(NOT EXISTS ${root}/${name})
            file(CREATE_LINK ${header} ${root}/${name} SYMBOLIC)
        endif()
    endforeach()
endfunction()

# kortools_layer(<folder> [INCLUDES <folder>...] [LINK_ONLY <target>...] [EXCLUDE <regex>])
# builds kortools_<name> from <folder>/*.cpp (name: the folder with "/" as "_"). INCLUDES are the
# lower folders whose headers it may include, LINK_ONLY libraries it needs symbols from without
# seeing their headers.
function(kortools_layer folder)
    cmake_parse_arguments(LAYER "" "EXCLUDE" "INCLUDES;LINK_ONLY" ${ARGN})
    string(REPLACE "/" "_" name ${folder})
    set(target kortools_${name})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
    if(LAYER_EXCLUDE)
        list(FILTER sources EXCLUDE REGEX "${LAYER_EXCLUDE}")
    endif()
    kortools_include_root(${folder} ${name})
    if(sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${KORTOOLS_INCLUDE_ROOTS}/${name})
        foreach(lower IN LISTS LAYER_INCLUDES)
            string(REPLACE "/" "_" lower_name ${lower})
            target_link_libraries(${target} PUBLIC kortools_${lower_name})
        endforeach()
        foreach(other IN LISTS LAYER_LINK_ONLY)
            target_link_libraries(${target} INTERFACE "$<LINK_ONLY:${other}>")
        endforeach()
        if(KORTOOLS_LAYER_OPTIONS)
            target_compile_options(${target} PRIVATE ${KORTOOLS_LAYER_OPTIONS})
        endif()
    else()
        # A folder without code yet still offers its headers to the layers above it.
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${KORTOOLS_INCLUDE_ROOTS}/${name})
        foreach(lower IN LISTS LAYER_INCLUDES)
            string(REPLACE "/" "_" lower_name ${lower})
            target_link_libraries(${target} INTERFACE kortools_${lower_name})
        endforeach()
    endif()
endfunction()
