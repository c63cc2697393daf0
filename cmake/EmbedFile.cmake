# Turns a binary file into a C++ source holding its bytes:
#   namespace <NAMESPACE> { extern const unsigned char <SYMBOL>[]; extern const unsigned <SYMBOL>Size; }
# Runs in script mode: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -DNAMESPACE=... -P EmbedFile.cmake
if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n" bytes "${bytes}")
  if(size EQUAL 0)
    set(bytes "0")
  endif()
  file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT}; do not edit.\n"
    "namespace ${NAMESPACE} {\n"
    "extern const unsigned char ${SYMBOL}[] = {\n${bytes}\n};\n"
    "extern const unsigned ${SYMBOL}Size = ${size}u;\n"
    "}\n")
  file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
  return()
endif()

set(_embed_script ${CMAKE_CURRENT_LIST_FILE})

# rollcall_embed_file(<target> <input> <symbol> <namespace>)
# Adds the generated source to <target>; <input> may be a generator expression.
function(rollcall_embed_file target input symbol namespace)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output}
            -DSYMBOL=${symbol} -DNAMESPACE=${namespace} -P ${_embed_script}
    DEPENDS ${input} ${_embed_script}
    COMMENT "Embedding ${symbol}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
