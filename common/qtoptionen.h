// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The options that QApplication and its platform plugins read out of argv themselves. The
// window programs read their own options before the application object exists (so that --help
// and --version work without a display); the options meant for Qt are let through to it, not
// refused, since desktops pass some of them: a session manager restarts a program with
// "-session <id>".
#pragma once

#include <cstring>

namespace befehlszeile {

// How many entries of argv, starting at argv[i], make up one option that Qt takes itself:
// 2 for an option followed by its value ("-style Fusion"), 1 for a switch or a value joined by
// "=" ("-reverse", "-style=Fusion"), 0 for anything Qt does not know. Qt accepts each of them
// with one dash or with two. An option with its value missing at the end counts 1: Qt leaves it
// alone, and so does the program.
inline int QtOption(int argc, char** argv, int i)
{
    const char* arg = argv[i];
    if (arg[0] != '-')
        return 0;
    if (arg[1] == '-')
        ++arg;
    // With a value in the next entry: QGuiApplication's, QApplication's and those of the X11
    // platform (-display, -geometry, -title, -icon, -name).
    static constexpr const char* mitWert[] = {
        "-platform",    "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
        "-qwindowicon", "-qwindowtitle",       "-session",       "-style",  "-stylesheet",
        "-display",     "-geometry",           "-title",         "-icon",   "-name"};
    // Switches without a value.
    static constexpr const char* schalter[] = {"-reverse", "-widgetcount", "-testability",
                                               "-nograb",  "-dograb",      "-sync"};
    // A value joined by "=" (the QML debugger takes its port only this way).
    static constexpr const char* mitGleich[] = {"-style=", "-stylesheet=", "-qmljsdebugger="};
    for (const char* name : mitWert)
        if (std::strcmp(arg, name) == 0)
            return i + 1 < argc ? 2 : 1;
    for (const char* name : schalter)
        if (std::strcmp(arg, name) == 0)
            return 1;
    for (const char* name : mitGleich)
        if (std::strncmp(arg, name, std::strlen(name)) == 0)
            return 1;
    return 0;
}

}  // namespace befehlszeile
