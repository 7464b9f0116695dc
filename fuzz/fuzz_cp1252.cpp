// The Windows-1252 mapping on arbitrary bytes: file bytes survive the trip
// through text, and text the mapping accepts comes back unchanged.
#include "editing/cp1252.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool holds, const char* property)
{
    return holds ? void() : (std::fprintf(stderr, "fuzz_cp1252: %s\n", property), std::abort());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto roundTrip = editing::bytesFromUtf8(editing::utf8FromBytes(input));
    require(roundTrip && *roundTrip == input, "bytes to text to bytes is not the identity");
    if (const auto asBytes = editing::bytesFromUtf8(input))
        require(editing::utf8FromBytes(*asBytes) == input, "accepted text does not come back unchanged");
    return 0;
}
