# One INTERFACE target that every target of the project links: warnings,
# Qt hygiene defines and, when asked for, the sanitizers.
add_library(tavro_options INTERFACE)
add_library(Tavro::options ALIAS tavro_options)

target_compile_features(tavro_options INTERFACE cxx_std_20)
target_compile_options(tavro_options INTERFACE -Wall -Wextra -pedantic -Wold-style-cast -Woverloaded-virtual)
target_compile_definitions(tavro_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_USE_QSTRINGBUILDER
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_DISABLE_DEPRECATED_BEFORE=0x060400
    QT_DISABLE_DEPRECATED_UP_TO=0x060400)

if(TAVRO_SANITIZE)
    target_compile_options(tavro_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(tavro_options INTERFACE -fsanitize=address,undefined)
endif()

# Fuzzing builds give every library coverage feedback, not only the fuzz targets.
if(TAVRO_FUZZ)
    target_compile_options(tavro_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# Every library of src/ is declared through this, so they all look alike.
function(tavro_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC tavro_options ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
endfunction()
