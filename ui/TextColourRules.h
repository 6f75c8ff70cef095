// Which colour a colour static draws its text in. Pure rules: no Windows header.
#pragma once

#include <cstdint>

// What a colour static shows; the role decides its colour where the user's theme must win.
enum class TextRole { WarningLine, StatusLine, WebSiteText };

// Colours as 0x00BBGGRR values.
struct TextColours {
    std::uint32_t chosen;      // the program's own colour for the text
    std::uint32_t buttonText;  // the system's colour of text on the dialog face
    std::uint32_t hotLight;    // the system's colour of links
};

// Under a high-contrast theme every role takes the system colour that theme gives it: links the
// link colour, other text the button-text colour. The status line is button text in every theme;
// the other roles keep the program's colour outside high contrast.
std::uint32_t TextColourFor(TextRole role, bool highContrast, const TextColours& colours);
