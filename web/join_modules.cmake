# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Joins the page's ES modules into one script, so that index.html holds the
# whole page and the form paints after one request. Each module is a file of
# web/page; the joined script is one scope, every module after those it
# imports (start.js, the entry, last), with the import and export syntax taken
# out. A module imports as
#   import {name, other} from './module.js';
# and exports with `export` before a top-level function, const or let. The
# build stops if a module imports a name its module does not export, if two
# modules declare the same top-level name (one scope holds them all), or if no
# module imports one.
#
# Where modules import each other in a cycle, one of them comes first: top-level
# code that runs as the script loads uses only what form.js exports (form.js
# imports nothing, so it comes before any module that imports it); the rest runs
# from functions, once every module is there.

# The names a module's top-level declarations give, with `export` or without.
function(_page_declared content exported_only out)
  set(names "")
  if(exported_only)
    set(prefix "\nexport ")
  else()
    set(prefix "\n(export )?")
  endif()
  string(REGEX MATCHALL "${prefix}(async function|function|const|let) [A-Za-z0-9_$, ]+" declarations "${content}")
  foreach(declaration IN LISTS declarations)
    string(REGEX REPLACE "^\n(export )?(async function|function|const|let) " "" declaration "${declaration}")
    string(REPLACE " " "" declaration "${declaration}")
    string(REPLACE "," ";" declaration "${declaration}")
    list(APPEND names ${declaration})
  endforeach()
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

# Visits `module` after every module it imports; a module already on the way is left for later.
function(_page_visit folder module)
  set_property(GLOBAL APPEND PROPERTY page_visited ${module})
  file(READ "${folder}/${module}" content)
  string(PREPEND content "\n")
  string(REGEX MATCHALL "\nimport {[^}]*} from '[^']*'" imports "${content}")
  foreach(import IN LISTS imports)
    string(REGEX REPLACE "^\nimport {([^}]*)} from '([^']*)'$" "\\1" names "${import}")
    string(REGEX REPLACE "^\nimport {([^}]*)} from '([^']*)'$" "\\2" from "${import}")
    if(NOT from MATCHES "^\\./[a-z_]+\\.js$" OR NOT EXISTS "${folder}/${from}")
      message(FATAL_ERROR "web/page/${module} imports from ${from}, which is no module of web/page")
    endif()
    string(SUBSTRING "${from}" 2 -1 from)
    file(READ "${folder}/${from}" source)
    _page_declared("\n${source}" TRUE exports)
    string(REGEX REPLACE "[ \n]" "" names "${names}")
    string(REPLACE "," ";" names "${names}")
    foreach(name IN LISTS names)
      if(NOT name IN_LIST exports)
        message(FATAL_ERROR "web/page/${module} imports ${name} from ${from}, which does not export it")
      endif()
    endforeach()
    get_property(visited GLOBAL PROPERTY page_visited)
    if(NOT from IN_LIST visited)
      _page_visit("${folder}" "${from}")
    endif()
  endforeach()
  set_property(GLOBAL APPEND PROPERTY page_order ${module})
endfunction()

# Joins the modules of `folder`, from `entry`, into `out`.
function(join_page_modules folder entry out)
  set_property(GLOBAL PROPERTY page_visited "")
  set_property(GLOBAL PROPERTY page_order "")
  _page_visit("${folder}" "${entry}")
  get_property(order GLOBAL PROPERTY page_order)
  file(GLOB modules RELATIVE "${folder}" "${folder}/*.js")
  foreach(module IN LISTS modules)
    if(NOT module IN_LIST order)
      message(FATAL_ERROR "web/page/${module}: no module imports it, so the page would not hold it")
    endif()
  endforeach()
  set(script "")
  set(everywhere "")
  foreach(module IN LISTS order)
    file(READ "${folder}/${module}" content)
    string(PREPEND content "\n")
    _page_declared("${content}" FALSE declared)
    foreach(name IN LISTS declared)
      if(name IN_LIST everywhere)
        message(FATAL_ERROR "web/page/${module} declares ${name}, as another module does: the page is one scope")
      endif()
      list(APPEND everywhere ${name})
    endforeach()
    string(REGEX REPLACE "\nimport {[^}]*} from '[^']*';" "" content "${content}")
    string(REPLACE "\nexport " "\n" content "${content}")
    string(APPEND script "\n// --- web/page/${module}${content}")
  endforeach()
  set(${out} "(() => {\n'use strict';\n${script}})();\n" PARENT_SCOPE)
endfunction()
