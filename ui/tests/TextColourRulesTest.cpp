#include "ui/TextColourRules.h"

#include <gtest/gtest.h>

namespace {

TEST(TextColourRulesTest, HighContrastGivesEachRoleItsSystemColourAndTheStatusLineIsAlwaysButtonText) {
    const TextColours colours{0x0000FF, 0x111111, 0x222222};
    const struct {
        TextRole role;
        std::uint32_t normal, highContrast;
    } cases[] = {{TextRole::WarningLine, colours.chosen, colours.buttonText},
                 {TextRole::StatusLine, colours.buttonText, colours.buttonText},
                 {TextRole::WebSiteText, colours.chosen, colours.hotLight}};
    for (const auto& c : cases) {
        EXPECT_EQ(TextColourFor(c.role, false, colours), c.normal) << int(c.role);
        EXPECT_EQ(TextColourFor(c.role, true, colours), c.highContrast) << int(c.role);
    }
}

}  // namespace
