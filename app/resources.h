// Resource identifiers, shared by the resource script and the code.
#pragma once

// The lowest icon id is the program file's own icon, which the shell shows.
#define kProgramFileIconId 1
#define kMainWindowIconId 2

// The about window's chime, a RIFF WAVE file as a resource of type "WAVE".
#define kAboutChimeId 101
