#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property aborts, so that libFuzzer keeps the input.
inline void require(bool holds, const char* property)
{
    return holds ? void() : (std::fprintf(stderr, "broken: %s\n", property), std::abort());
}
