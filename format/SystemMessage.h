// The system's own words for an error number, in the system's language.
#pragma once

#include <string>

// The message as the system words it, line break included; empty when it has none.
std::wstring SystemErrorMessage(unsigned long code);
