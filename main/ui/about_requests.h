// Requests for the about-and-credits window, as the link commands set them and
// the loop owner serves them. Pure logic over aboutState's values.
#pragma once

constexpr int aboutCommand = 40003;
constexpr int creditsCommand = 40004;

// aboutState after a link command; any other command leaves it.
int aboutStateAfterCommand(int state, int command);

// What serviceAboutRequests does for a state.
struct AboutService {
    bool served = false;  // a request was found
    int page = 0;         // the state recorded for the new window (3 or 4)
};
AboutService aboutServiceFor(int state);
