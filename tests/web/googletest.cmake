# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# GoogleTest for the WebAssembly build: the distribution ships its sources
# (package googletest), not a library for this target; they define GTest::gtest
# and GTest::gtest_main as find_package does. Tests run under Node.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# its sources are not ours to hold to our warnings
set_target_properties(gtest gtest_main PROPERTIES COMPILE_WARNING_AS_ERROR OFF)
add_link_options(-sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1)
