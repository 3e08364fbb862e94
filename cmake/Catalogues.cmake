# dtc_embed_catalogue(PO SYMBOL OUT): compiles a gettext catalogue with msgfmt, which also checks
# it, and writes its bytes as the C++ array SYMBOL (with SYMBOLSize); OUT names the source made.
find_program(DTC_MSGFMT msgfmt REQUIRED)

function(dtc_embed_catalogue po symbol out)
  get_filename_component(stem ${po} NAME_WE)
  set(mo ${CMAKE_CURRENT_BINARY_DIR}/${stem}.mo)
  set(cpp ${CMAKE_CURRENT_BINARY_DIR}/${stem}_catalogue.cpp)
  add_custom_command(OUTPUT ${mo}
    COMMAND ${DTC_MSGFMT} --check --output-file=${mo} ${po}
    DEPENDS ${po}
    COMMENT "Compiling the catalogue ${stem}.po")
  add_custom_command(OUTPUT ${cpp}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${mo} -DOUTPUT=${cpp} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedBytes.cmake
    DEPENDS ${mo} ${PROJECT_SOURCE_DIR}/cmake/EmbedBytes.cmake)
  set(${out} ${cpp} PARENT_SCOPE)
endfunction()
