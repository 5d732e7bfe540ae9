// The installer's only window: a skinned four-page wizard. It decides when the
// registration, the directories, the read-me and the file step run.
#pragma once

#include <windows.h>

enum WizardPage { kWelcomePage = 1, kDirectoryPage = 2, kInstallingPage = 3, kFinishedPage = 4 };

constexpr int kWizardWidth = 768;
constexpr int kWizardHeight = 450;

// Command IDs of the caption buttons.
constexpr int kForwardCommand = 421;
constexpr int kBrowseCommand = 422;
constexpr int kExitCommand = 423;
constexpr int kMinimiseCommand = 424;
constexpr int kBackCommand = 425;

// Process-wide installer state.
extern HINSTANCE installerInstance;
extern HWND mainWindow;
extern int wizardPage;
extern char ownPath[MAX_PATH];
extern char defaultParentFolder[MAX_PATH];

// Registers the classes, creates the window and its controls, runs the message
// loop. Never returns.
[[noreturn]] void startWizard();

// The main window's procedure; the controls call it directly to forward mouse
// messages in main-window coordinates.
LRESULT CALLBACK wizardWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Called once by the progress bar at 100 percent, after it stopped its timer:
// writes the programs and shows the Finished page.
void completeInstallation();

// Ends the installer as WM_DESTROY does: quit message 18, exit status 1.
[[noreturn]] void endInstaller();
