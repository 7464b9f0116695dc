#include "number_hints.h"

#include "field_text.h"
#include "messages.h"

#include "editing/text_conversions.h"

#include <limits>

namespace cli {

std::string whyRealRefused(std::string_view text)
{
    if (text.starts_with("0x") || text.starts_with("0X"))
        return std::string(messages::bitsNeedEightDigits);
    switch (editing::readReal(text).refusal) {
    case editing::NumberRefusal::Zero:
        return std::string(messages::realZeroOnlyFromZero);
    case editing::NumberRefusal::RoundsToZero:
        return std::string(messages::roundsToZero);
    case editing::NumberRefusal::BeyondLargestFloat:
        return messages::beyondLargestFloat(
            exactRealText(npf::FloatBits::fromValue(std::numeric_limits<float>::max())));
    case editing::NumberRefusal::NotANumber:
        break;
    }
    return editing::showsUntypableReal(text) ? std::string(messages::untypableKeptOnly) : std::string();
}

std::string whyIntegerRefused(std::string_view text)
{
    // Whole numbers are never refused for their size: they are clamped.
    if (editing::readInteger(text).refusal == editing::NumberRefusal::Zero)
        return std::string(messages::zeroOnlyFromZero);
    return {};
}

std::optional<std::string> clampedNote(std::string_view field, std::string_view text)
{
    const auto reading = editing::readInteger(text);
    if (!reading.value || !reading.clamped)
        return std::nullopt;
    return messages::storedClamped(field, text, *reading.value);
}

} // namespace cli
