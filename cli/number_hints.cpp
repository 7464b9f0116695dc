#include "number_hints.h"

#include "messages.h"

#include "editing/messages.h"
#include "editing/text_conversions.h"

namespace cli {

std::string whyRealRefused(std::string_view text)
{
    if (text.starts_with("0x") || text.starts_with("0X"))
        return std::string(messages::bitsNeedEightDigits);
    const auto refusal = editing::readReal(text).refusal;
    // The tool can also take -0 by its bits, and says so.
    if (refusal == editing::NumberRefusal::Zero)
        return std::string(messages::realZeroOnlyFromZero);
    if (const char* reason = editing::messages::reasonFor(refusal))
        return reason;
    return editing::showsUntypableReal(text) ? std::string(messages::untypableKeptOnly) : std::string();
}

std::string whyIntegerRefused(std::string_view text)
{
    // Whole numbers are never refused for their size: they are clamped.
    const char* reason = editing::messages::reasonFor(editing::readInteger(text).refusal);
    return reason ? reason : std::string();
}

std::optional<std::string> clampedNote(std::string_view field, std::string_view text)
{
    const auto reading = editing::readInteger(text);
    if (!reading.value || !reading.clamped)
        return std::nullopt;
    return messages::storedClamped(field, text, *reading.value);
}

} // namespace cli
