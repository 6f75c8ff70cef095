#include "ui/TextColourRules.h"

std::uint32_t TextColourFor(TextRole role, bool highContrast, const TextColours& colours) {
    if (role == TextRole::StatusLine) return colours.buttonText;
    if (!highContrast) return colours.chosen;
    return role == TextRole::WebSiteText ? colours.hotLight : colours.buttonText;
}
