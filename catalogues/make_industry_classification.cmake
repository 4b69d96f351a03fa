cmake_minimum_required(VERSION 3.25)

# Writes the industry classification text that the classification search carries, from the
# table of the standard's entries: the title lines, then one "code name" line for every entry
# marked as listed, each ending in CR LF.
#   cmake -DSOURCE=catalogues/reference/gbt4754_2002.tsv
#         -DOUTPUT=data/catalogues/industry_classification.txt -P this file
# With -DCHECK=<scratch file> it writes the text there instead and fails when OUTPUT differs.
set(crlf "\r\n")
set(text "国民经济行业分类与代码${crlf}${crlf}（科技统计用）${crlf}${crlf}")
string(APPEND text "国民经济行业代码 （GB/T 4754—2002 ）${crlf}${crlf}${crlf}")

# The classification as the search window has always carried it ends some names in blanks;
# this is the only one whose blank is known, so no other is added.
set(trailingBlanks "1320")

file(STRINGS "${SOURCE}" entries ENCODING UTF-8)
foreach(entry IN LISTS entries)
  string(REPLACE "\t" ";" fields "${entry}")
  list(LENGTH fields count)
  if(NOT count EQUAL 3)
    message(FATAL_ERROR "not three fields: ${entry}")
  endif()
  list(GET fields 0 code)
  list(GET fields 1 name)
  list(GET fields 2 listed)
  if(listed STREQUAL "yes")
    set(line "${code} ${name}")
    if(code IN_LIST trailingBlanks)
      string(APPEND line " ")
    endif()
    string(APPEND text "${line}${crlf}")
  elseif(NOT listed STREQUAL "no")
    message(FATAL_ERROR "listed is neither yes nor no: ${entry}")
  endif()
endforeach()

if(CHECK)
  # Compared as files: reading a file into a string would drop its carriage returns.
  file(WRITE "${CHECK}" "${text}")
  file(SHA256 "${CHECK}" expected)
  file(SHA256 "${OUTPUT}" stored)
  if(NOT stored STREQUAL expected)
    message(FATAL_ERROR "${OUTPUT} is not what ${SOURCE} gives; regenerate it")
  endif()
else()
  file(WRITE "${OUTPUT}" "${text}")
endif()
