#include "actor_flags.h"

#include "text_conversions.h"

#include <charconv>
#include <system_error>

namespace editing {

namespace {

constexpr std::string_view bitPrefix = "bit ";

} // namespace

std::string actorFlagName(int bit)
{
    const std::string_view label = actorFlagLabels[static_cast<std::size_t>(bit)];
    if (label.find_first_not_of(' ') == std::string_view::npos)
        return std::string(bitPrefix) + std::to_string(bit);
    return std::string(label);
}

std::optional<int> findActorFlag(std::string_view name)
{
    for (int bit = 0; bit < actorFlagCount; ++bit) {
        if (equalIgnoringCase(name, actorFlagName(bit)))
            return bit;
    }
    if (name.size() > bitPrefix.size() && equalIgnoringCase(name.substr(0, bitPrefix.size()), bitPrefix)) {
        int bit = -1;
        const char* const end = name.data() + name.size();
        const auto [stop, error] = std::from_chars(name.data() + bitPrefix.size(), end, bit);
        if (error == std::errc{} && stop == end && bit >= 0 && bit < actorFlagCount)
            return bit;
    }
    return std::nullopt;
}

std::vector<std::string> actorFlagNamesOf(ActorFlags flags)
{
    std::vector<std::string> names;
    for (int bit = 0; bit < actorFlagCount; ++bit) {
        if (flags & actorFlagBit(bit))
            names.push_back(actorFlagName(bit));
    }
    return names;
}

} // namespace editing
