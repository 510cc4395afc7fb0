# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Lunoria and Deskora developers
# The property checks of the fuzz harnesses, also compiled into the test programs that replay
# the seed files.
set(FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
set(FUZZ_CALENDAR_CHECKS
  ${FUZZ_DIR}/umgebung.cpp
  ${FUZZ_DIR}/datumstext/eigenschaften.cpp
  ${FUZZ_DIR}/zonenregel/eigenschaften.cpp
  ${FUZZ_DIR}/kalender/eigenschaften.cpp)
set(FUZZ_ENTRYFILE_CHECKS ${FUZZ_DIR}/entryfiles/properties.cpp)
