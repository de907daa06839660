// The stand-in trainer's switches (listed in standin_protocol.h), read once at start.
#pragma once

#include <windows.h>

#include <string>

enum class TextChildKind { Direct, Nested, PrefixClass, CaseClass };

struct StandinOptions {
    std::string caption;
    std::string text;
    std::string secondText;
    TextChildKind childKind = TextChildKind::Direct;
    bool twoChildren = false;
    DWORD paceMs = 0;
    DWORD delayMs = 0;
    DWORD exitAfterMs = 0;
    DWORD replaceEveryMs = 0;
    // True when started with no switches at all, as the companion starts it.
    bool bare = false;
};

// Unknown switches are ignored; a malformed number reads as 0.
StandinOptions ParseStandinOptions(int argc, char** argv);
