// Helpers of the simulator's Windows tests: a temporary folder, a scoped environment variable,
// a placeholder file and a program run with its output captured.
#pragma once

#include <string>

// Removes the folder (its path ends with a backslash) and everything below it.
void RemoveFolderTree(const std::wstring& folder);

// A new empty folder under the temporary directory, removed with all it holds at the end.
struct TempFolder {
    std::wstring path;  // ends with a backslash
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();
};

// Sets (or, with no value, removes) an environment variable of this process and its future
// children, and puts the old value back at the end.
struct ScopedEnvironment {
    std::wstring name;
    std::wstring oldValue;
    bool hadValue = false;
    ScopedEnvironment(const wchar_t* variable, const wchar_t* value);
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment();
};

// Creates an empty file for the time being when none is there, and removes only what it created.
struct PlaceholderFile {
    std::wstring path;
    bool created = false;
    explicit PlaceholderFile(const std::wstring& filePath);
    PlaceholderFile(const PlaceholderFile&) = delete;
    PlaceholderFile& operator=(const PlaceholderFile&) = delete;
    ~PlaceholderFile();
};

struct CapturedRun {
    bool started = false;
    unsigned long exitCode = 0;
    std::string output;  // standard output and standard error, as bytes
    unsigned long long elapsedMs = 0;
};

// Runs the command line hidden, as the formatter runs the utilities (program found by the
// system's search, which looks in the caller's own folder first), and waits for its end.
CapturedRun RunCaptured(const std::wstring& commandLine);
