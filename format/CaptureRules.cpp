#include "format/CaptureRules.h"

#include <utility>

CapturedText::CapturedText(std::function<std::wstring(std::string_view)> decode) : decode_(std::move(decode)) {}

bool CapturedText::TakeRead(bool succeeded, const char* bytes, std::size_t count) {
    // A failed read delivers nothing, whatever count it reports, and ends the loop.
    if (!succeeded) return false;
    if (count == 0) return true;
    std::string_view delivered(bytes, count);
    // A zero byte ends this read's text; the rest of the read is dropped.
    delivered = delivered.substr(0, delivered.find('\0'));
    if (!delivered.empty()) text_ += decode_(delivered);
    return true;
}
