/* Resource numbers of the main program, shared by its resource script and code. */
#pragma once

#define MAIN_ABOUT_PICTURE 102
#define MAIN_PROGRAM_ICON 103
#define MAIN_PROGRAM_CURSOR 104
#define MAIN_SKIN 105
#define MAIN_PROGRESS_SKIN 106
#define MAIN_BAR_STRIP 107
