/* Resource numbers of the installer, shared by its resource script and code. */
#pragma once

#define INSTALLER_SKIN 107
#define INSTALLER_BANNER 109
#define INSTALLER_DISPLAY_PATTERN 110
#define INSTALLER_FRAME_PATTERN 111
#define INSTALLER_WELCOME_PICTURE 112
#define INSTALLER_FULL_BAR 113
#define INSTALLER_SLIDE_2 115
#define INSTALLER_SLIDE_1 116
#define INSTALLER_ICON 120
#define INSTALLER_SLIDE_3 121
