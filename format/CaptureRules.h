// The read loop of the child process runner, apart from the pipe: what each read adds to the
// captured text and when the loop ends. Pure rules: no Windows header.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class CapturedText {
public:
    // `decode` turns the bytes of one read into wide text (the thread's ANSI code page).
    explicit CapturedText(std::function<std::wstring(std::string_view)> decode);

    // Takes one read's outcome. Bytes up to the first zero byte are decoded on their own and
    // appended. Returns true while the loop goes on: a successful read, even of no bytes,
    // continues; a failed read ends it.
    bool TakeRead(bool succeeded, const char* bytes, std::size_t count);

    const std::wstring& Text() const { return text_; }

private:
    std::function<std::wstring(std::string_view)> decode_;
    std::wstring text_;
};
