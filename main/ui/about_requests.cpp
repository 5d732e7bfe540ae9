#include "main/ui/about_requests.h"

#include "main/run_state.h"

int aboutStateAfterCommand(int state, int command) {
    const bool windowOpen = state == kAboutShown || state == kCreditsShown;
    if (command == aboutCommand) {
        if (state == kAboutClosed) return kAboutRequested;
        if (windowOpen) return kSwitchToAbout;
    } else if (command == creditsCommand) {
        if (state == kAboutClosed) return kCreditsRequested;
        if (windowOpen) return kSwitchToCredits;
    }
    return state;
}

AboutService aboutServiceFor(int state) {
    AboutService service;
    switch (state) {
    case kAboutRequested:
    case kSwitchToAbout:
        service.served = true;
        service.page = kAboutShown;
        break;
    case kCreditsRequested:
    case kSwitchToCredits:
        service.served = true;
        service.page = kCreditsShown;
        break;
    default: break;
    }
    return service;
}
