#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "common/text_wrap.h"
#include "main/run_state.h"
#include "main/ui/about_requests.h"
#include "main/ui/about_texts.h"
#include "main/ui/title.h"

namespace {

TEST(AboutRequests, CommandsChangeTheState) {
    struct {
        int state, command, expected;
    } cases[] = {
        {kAboutClosed, aboutCommand, kAboutRequested},      {kAboutClosed, creditsCommand, kCreditsRequested},
        {kAboutShown, aboutCommand, kSwitchToAbout},        {kCreditsShown, aboutCommand, kSwitchToAbout},
        {kAboutShown, creditsCommand, kSwitchToCredits},    {kCreditsShown, creditsCommand, kSwitchToCredits},
        {kAboutRequested, creditsCommand, kAboutRequested},  // pending requests stay
        {kSwitchToCredits, aboutCommand, kSwitchToCredits}, {kAboutClosed, 421, kAboutClosed},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(aboutStateAfterCommand(c.state, c.command), c.expected)
            << "state " << c.state << ", command " << c.command;
    }
}

TEST(AboutRequests, ServiceRecordsThePage) {
    struct {
        int state;
        bool served;
        int page;
    } cases[] = {
        {kAboutClosed, false, 0},
        {kAboutRequested, true, kAboutShown},
        {kCreditsRequested, true, kCreditsShown},
        {kAboutShown, false, 0},
        {kCreditsShown, false, 0},
        {kSwitchToAbout, true, kAboutShown},
        {kSwitchToCredits, true, kCreditsShown},
    };
    for (const auto& c : cases) {
        const AboutService s = aboutServiceFor(c.state);
        EXPECT_EQ(s.served, c.served) << "state " << c.state;
        if (c.served) {
            EXPECT_EQ(s.page, c.page) << "state " << c.state;
        }
    }
}

TEST(Title, CentredForTwentyOneCharacters) {
    EXPECT_EQ(std::strlen(kProductTitle), 21u);
    EXPECT_EQ(titleX(kProductTitle), 247);
    EXPECT_EQ(titleX(""), 394);
    EXPECT_EQ(titleX("ABC"), 373) << "(788 - 42) / 2";
}

TEST(AboutTexts, CreditsHaveTheFormOfTheAboutText) {
    const std::string credits = kCreditsText;
    EXPECT_EQ(credits.substr(0, 3), "   ");
    EXPECT_NE(credits[3], ' ') << "exactly three leading spaces";
    EXPECT_EQ(std::count(credits.begin(), credits.end(), '\t'), 1) << "two paragraphs";
    EXPECT_EQ(credits.find('$'), std::string::npos) << "a $ would break a line";
    EXPECT_GE(credits.size(), 500u);
    EXPECT_LE(credits.size(), 540u);
}

TEST(AboutTexts, BothPagesFitTheirBufferOnceWrapped) {
    for (const char* text : {kAboutText, kCreditsText}) {
        char buffer[kPageBufferSize] = {};
        std::strncpy(buffer, text, sizeof buffer - 1);
        wrapJustified(buffer, 71);
        EXPECT_LT(std::strlen(buffer), kPageBufferSize - 1) << "wrapped:\n" << buffer;
    }
}

TEST(AboutTexts, CaptionFitsUnderThePicture) {
    // 14 pixels per character from x = 548; the picture's frame ends at 762.
    EXPECT_LE(548 + 14 * static_cast<int>(std::strlen(kPictureCaption)), 762);
}

}  // namespace
