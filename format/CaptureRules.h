// The read loop of the child process runner, apart from the pipe: what each read adds to the
// captured output and when the loop ends. Pure rules: no Windows header.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class CapturedText {
public:
    // `decode` turns the bytes of the whole run into wide text (the OEM code page, which console
    // utilities write in).
    explicit CapturedText(std::function<std::wstring(std::string_view)> decode);

    // Takes one read's outcome: its bytes are kept, every zero byte left out. Returns true while
    // the loop goes on: a successful read, even of no bytes, continues; a failed read ends it.
    bool TakeRead(bool succeeded, const char* bytes, std::size_t count);

    // All the bytes kept, decoded at once, so a character split between two reads stays whole.
    std::wstring Text() const;

private:
    std::function<std::wstring(std::string_view)> decode_;
    std::string bytes_;
};
