// Whole files read and written at once. A file is replaced atomically, so a program that reads
// it at the same time sees either the old or the new contents, never a part.
#pragma once

#include <optional>
#include <string>

bool FileExists(const std::wstring& path);

// The file's bytes, or nothing when it cannot be read. With `shareReadingOnly` the file is
// opened as the strictest reader would: no other program may write, rename or delete it
// meanwhile, nor hold it open for doing so.
std::optional<std::string> ReadWholeFile(const std::wstring& path, bool shareReadingOnly = false);

// Writes the bytes to a new file beside the target, then moves it over the target.
bool ReplaceWholeFile(const std::wstring& path, const std::string& bytes);
