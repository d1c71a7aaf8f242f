// Resource identifiers, shared by the resource script and the code.
#pragma once

// The lowest icon id is the program file's own icon, which the shell shows.
#define kProgramFileIconId 1
#define kMainWindowIconId 2
