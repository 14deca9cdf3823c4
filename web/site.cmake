# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the page beside the module: index.html with the style, the layout
# script, the page's texts and the page's script (its modules joined) in it
# (one request before the form paints), the
# PNG icons drawn from the SVG one, and the service worker, its cache named
# after the contents of every file, so that a changed file reaches every
# visitor and an unchanged one is never fetched twice.
#   cmake -DSITE=dir -DSOURCE=web -DICON=icon.svg -DRSVG=rsvg-convert -DWORK=dir-with-layout.js-and-braille.json
#         -DTRANSLATIONS=translations -P site.cmake
cmake_policy(VERSION 3.25)  # a script has no project to set them; IN_LIST needs them
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/catalogue.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/join_modules.cmake)
# the style in the order its rules build on each other: the form, the page around
# it, a narrow screen, then forced colours and paper
set(STYLE "")
foreach(part form page narrow colours_and_print)
  file(READ ${SOURCE}/style/${part}.css text)
  string(APPEND STYLE "${text}\n")
endforeach()
file(READ ${WORK}/layout.js layout)
join_page_modules(${SOURCE}/page start.js script)

# The page's own texts, one catalogue per language of the core's, each as one line
# of JSON beside the captions layout.js gives.
read_catalogues(${TRANSLATIONS}/page page)
read_catalogues(${TRANSLATIONS}/core core)
if(NOT page_LANGUAGES STREQUAL core_LANGUAGES)
  message(FATAL_ERROR "translations/page has the languages ${page_LANGUAGES}, translations/core ${core_LANGUAGES}: "
                      "the page needs both catalogues of every language")
endif()
set(texts "// Made from translations/page by site.cmake; edit those.\n")
foreach(language IN LISTS page_LANGUAGES)
  # a string, not a list: a text may hold a semicolon
  set(entries "")
  foreach(key IN LISTS page_bg_KEYS)
    if(NOT entries STREQUAL "")
      string(APPEND entries ", ")
    endif()
    string(APPEND entries "\"${key}\": \"${page_${language}_TEXT_${key}}\"")
  endforeach()
  string(APPEND texts "self.tessaloTexts.${language}.page = {${entries}};\n")
endforeach()
set(SCRIPT "${layout}${texts}${script}")

# What shows before the script runs, or without it: the title and the description
# in the default language, and a line of every language without the script.
function(html_text text out)
  string(REPLACE "\\\"" "\"" text "${text}")
  string(REPLACE "\\\\" "\\" text "${text}")
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
# the title in words, as the script puts it: a screen reader reads the form's dash aloud
if(NOT layout MATCHES "self\\.tessaloTexts\\.bg\\.captions = {[^\n]*\"windowInWords\": \"([^\"]*)\"")
  message(FATAL_ERROR "layout.js gives no title in words")
endif()
html_text("${CMAKE_MATCH_1}" TITLE)
html_text("${page_bg_TEXT_Description}" DESCRIPTION)
set(NOSCRIPT "")
foreach(language IN LISTS page_LANGUAGES)
  html_text("${page_${language}_TEXT_NoScript}" line)
  string(APPEND NOSCRIPT "<p lang=\"${language}\">${line}</p>")
endforeach()
foreach(text_end STYLE:</style SCRIPT:</script SCRIPT:<!--)
  string(REPLACE ":" ";" text_end ${text_end})
  list(GET text_end 0 text)
  list(GET text_end 1 end)
  string(TOLOWER "${${text}}" lower)
  string(FIND "${lower}" "${end}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${text} holds \"${end}\", which would end its element in index.html")
  endif()
endforeach()
# The tab's icon written into the page: fetched as a file it would come twice on the first
# visit, for the tab and again for the manifest, whose icon it also is.
file(READ ${ICON} icon)
string(REPLACE "%" "%25" icon "${icon}")
foreach(sign "#;%23" "\";'" "<;%3C" ">;%3E" "\n; ")
  list(GET sign 0 from)
  list(GET sign 1 to)
  string(REPLACE "${from}" "${to}" icon "${icon}")
endforeach()
set(ICON_DATA "data:image/svg+xml,${icon}")
configure_file(${SOURCE}/index.html ${SITE}/index.html @ONLY)
configure_file(${SOURCE}/manifest.webmanifest ${SITE}/manifest.webmanifest COPYONLY)
configure_file(${ICON} ${SITE}/icon.svg COPYONLY)

# A maskable icon keeps what matters inside the middle circle of 80 %, on an
# opaque background: launchers cut it to their own shape, and iOS fills
# transparency with black.
file(READ ${ICON} svg)
string(REGEX REPLACE "^.*<svg[^>]*>" "" inner "${svg}")
string(REGEX REPLACE "</svg>.*$" "" inner "${inner}")
file(CONFIGURE OUTPUT ${WORK}/icon-maskable.svg CONTENT
  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\
<rect width=\"32\" height=\"32\" fill=\"#8080ff\"/><g transform=\"translate(7 7) scale(0.5625)\">${inner}</g></svg>\n")
set(pngs icon-192.png ${ICON} 192 icon-512.png ${ICON} 512 icon-maskable-512.png ${WORK}/icon-maskable.svg 512
         apple-touch-icon.png ${WORK}/icon-maskable.svg 180)
set(icons "")
while(pngs)
  list(POP_FRONT pngs png from size)
  if(NOT EXISTS ${SITE}/${png} OR ${from} IS_NEWER_THAN ${SITE}/${png})
    execute_process(COMMAND ${RSVG} -w ${size} -h ${size} -o ${SITE}/${png} ${from} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  list(APPEND icons ${png})
endwhile()

file(COPY ${WORK}/braille.json DESTINATION ${SITE})
set(cached index.html tessalo_core.js tessalo_core.wasm icon.svg ${icons} manifest.webmanifest braille.json)
set(contents "")
foreach(file ${cached})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND contents ${hash})
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING ${version} 0 16 VERSION)
# the icons are the browser's and the system's, which fetch them for the tab and when the page
# is installed as an app (the tab's apart from the page's own fetches); the page itself is
# cached once, as ./, and kept under index.html as well; the manifest as the browser fetches it
list(REMOVE_ITEM cached icon.svg ${icons} index.html braille.json manifest.webmanifest)
list(TRANSFORM cached PREPEND "'./")
list(TRANSFORM cached APPEND "'")
list(JOIN cached ", " FILES)
configure_file(${SOURCE}/sw.js ${SITE}/sw.js @ONLY)
