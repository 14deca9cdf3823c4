# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Turns the core's catalogues, translations/core/<language>.txt, into one C++
# header: the keys as an enum, the languages as an enum, and a table of texts.
# Run at build time: cmake -DCATALOGUES=<folder> -DOUTPUT=<header> -P core_texts.cmake
#
# The catalogues' format is read_catalogue's, in catalogue.cmake.

if(NOT CATALOGUES OR NOT OUTPUT)
  message(FATAL_ERROR "core_texts.cmake needs -DCATALOGUES and -DOUTPUT")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/catalogue.cmake)
read_catalogues("${CATALOGUES}" core)
set(languages ${core_LANGUAGES})

list(LENGTH languages languageCount)
list(LENGTH core_bg_KEYS keyCount)
math(EXPR textCount "${keyCount} + 1")

set(out "// Generated from translations/core/*.txt by cmake/core_texts.cmake; edit those.\n")
string(APPEND out "#pragma once\n\n#include <cstddef>\n#include <cstdint>\n#include <string_view>\n\n")
string(APPEND out "// One text of the core; None is the empty text.\nenum class TextId : std::uint16_t {\n    None,\n")
foreach(key IN LISTS core_bg_KEYS)
  string(APPEND out "    ${key},\n")
endforeach()
string(APPEND out "};\n\n// One catalogue; bg, the source, first.\nenum class Language : std::uint8_t {")
foreach(language IN LISTS languages)
  string(APPEND out " ${language},")
endforeach()
string(APPEND out " };\n\n")
string(APPEND out "inline constexpr std::size_t kLanguageCount = ${languageCount};\n")
string(APPEND out "inline constexpr std::size_t kTextCount = ${textCount};\n\n")
string(APPEND out "inline constexpr std::string_view kLanguageCodes[kLanguageCount] = {")
foreach(language IN LISTS languages)
  string(APPEND out "\"${language}\", ")
endforeach()
string(APPEND out "};\n\n// Each text's key in the catalogues, for what names texts by key (the page's script).\n")
string(APPEND out "inline constexpr std::string_view kTextKeys[kTextCount] = {\n    \"\",\n")
foreach(key IN LISTS core_bg_KEYS)
  string(APPEND out "    \"${key}\",\n")
endforeach()
string(APPEND out "};\n\ninline constexpr std::string_view kTexts[kLanguageCount][kTextCount] = {\n")
foreach(language IN LISTS languages)
  string(APPEND out "    {\n        \"\",\n")
  foreach(key IN LISTS core_bg_KEYS)
    string(APPEND out "        \"${core_${language}_TEXT_${key}}\",\n")
  endforeach()
  string(APPEND out "    },\n")
endforeach()
string(APPEND out "};\n")

# rewritten only when it changes, so that touching a catalogue rebuilds only what uses it
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL out)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${out}")
