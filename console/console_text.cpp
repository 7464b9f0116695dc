#include "console_text.h"

#include <algorithm>
#include <iostream>
#include <utility>

namespace console {

std::size_t wholeCharactersLength(std::string_view utf8)
{
    // The last character's first byte lies at most three continuation bytes back.
    std::size_t first = utf8.size();
    for (int back = 0; back < 4 && first > 0; ++back) {
        const auto byte = static_cast<unsigned char>(utf8[--first]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const std::size_t length = byte < 0xC0 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : byte < 0xF8 ? 4 : 1;
        return first + length > utf8.size() ? first : utf8.size();
    }
    return utf8.size(); // no first byte to wait on: not UTF-8, passed on as it is
}

TextBuffer::TextBuffer(Sink sink)
    : sink(std::move(sink))
{
    setp(buffer.data(), buffer.data() + buffer.size());
}

TextBuffer::~TextBuffer()
{
    handOn(true);
}

TextBuffer::int_type TextBuffer::overflow(int_type character)
{
    handOn(false); // leaves at most a cut character's three bytes
    if (!traits_type::eq_int_type(character, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(character);
        pbump(1);
    }
    return traits_type::not_eof(character);
}

int TextBuffer::sync()
{
    handOn(false);
    return 0;
}

void TextBuffer::handOn(bool all)
{
    const std::string_view text(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    const std::size_t whole = all ? text.size() : wholeCharactersLength(text);
    if (whole > 0)
        sink(text.substr(0, whole));
    std::copy(text.begin() + static_cast<std::ptrdiff_t>(whole), text.end(), buffer.begin());
    setp(buffer.data(), buffer.data() + buffer.size());
    pbump(static_cast<int>(text.size() - whole));
}

ConsoleStreams::ConsoleStreams()
{
    for (const auto& [stream, which] : {std::pair{&std::cout, Stream::output}, {&std::cerr, Stream::error}}) {
        if (!showsInConsole(which))
            continue;
        auto buffer = std::make_unique<TextBuffer>([which](std::string_view text) { writeText(which, text); });
        std::streambuf* const original = stream->rdbuf(buffer.get());
        redirected.push_back({stream, original, std::move(buffer)});
    }
}

ConsoleStreams::~ConsoleStreams()
{
    for (Redirected& each : redirected) {
        each.stream->flush();
        each.stream->rdbuf(each.original);
    }
}

} // namespace console
