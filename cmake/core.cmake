# The portable core: the unit catalogue, the conversion and the number text rules.
# It includes no Windows header, so it builds natively as well as for Windows.
set(QUANTIK_CORE_SOURCES
    ${CMAKE_SOURCE_DIR}/catalogue/unit_category.cpp
    ${CMAKE_SOURCE_DIR}/catalogue/catalogue.cpp
    ${CMAKE_SOURCE_DIR}/catalogue/catalogue_data.cpp
    ${CMAKE_SOURCE_DIR}/catalogue/convert.cpp
    ${CMAKE_SOURCE_DIR}/framework/number_text.cpp
)

function(quantik_add_core_library name)
    add_library(${name} STATIC ${QUANTIK_CORE_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

quantik_add_core_library(quantik_core)

# Natively the tests link a copy of the core built with AddressSanitizer and
# UndefinedBehaviorSanitizer; the benchmarks link the plain one.
if(NOT WIN32)
    set(QUANTIK_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    quantik_add_core_library(quantik_core_sanitized)
    target_compile_options(quantik_core_sanitized PUBLIC ${QUANTIK_SANITIZE_FLAGS})
    target_link_options(quantik_core_sanitized PUBLIC ${QUANTIK_SANITIZE_FLAGS})
endif()
