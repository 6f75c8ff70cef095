#include "format/CaptureRules.h"

#include <utility>

CapturedText::CapturedText(std::function<std::wstring(std::string_view)> decode) : decode_(std::move(decode)) {}

bool CapturedText::TakeRead(bool succeeded, const char* bytes, std::size_t count) {
    // A failed read delivers nothing, whatever count it reports, and ends the loop.
    if (!succeeded) return false;
    // A zero byte is no character of any code page; what follows it is still output.
    for (std::size_t i = 0; i < count; ++i)
        if (bytes[i] != '\0') bytes_ += bytes[i];
    return true;
}

std::wstring CapturedText::Text() const { return bytes_.empty() ? std::wstring() : decode_(bytes_); }
