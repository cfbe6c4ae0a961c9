# velkor_embed_text(target symbol file): builds `file` into `target` as the
# GBK text velkor::builtin::<symbol>.
function(velkor_embed_text target symbol file)
  set(output ${CMAKE_BINARY_DIR}/generated/${symbol}.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${file} -DOUTPUT=${output} -DSYMBOL=${symbol}
            -DHOME_PAGE=${VELKOR_HOME_PAGE}
            -P ${CMAKE_SOURCE_DIR}/cmake/embed_text.cmake
    DEPENDS ${file} ${CMAKE_SOURCE_DIR}/cmake/embed_text.cmake
    COMMENT "Embedding ${file}")
  target_sources(${target} PRIVATE ${output})
endfunction()
