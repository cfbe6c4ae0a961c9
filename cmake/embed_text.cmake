cmake_minimum_required(VERSION 3.25)
# Wraps one UTF-8 text file of resources/texts into a C++ raw string; the
# compiler turns it into GBK like every other literal of the program.
file(READ "${SOURCE}" content)
# The product's home page is kept in one place, the top-level CMakeLists.
string(REPLACE "@HOME_PAGE@" "${HOME_PAGE}" content "${content}")
string(FIND "${content}" ")velkor_text\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${SOURCE} holds the raw string's end marker")
endif()
file(WRITE "${OUTPUT}.new" "// Made by the build from ${SOURCE}.
#include \"builtin_texts.h\"

namespace velkor::builtin {
const std::string_view ${SYMBOL} = R\"velkor_text(${content})velkor_text\";
}
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
