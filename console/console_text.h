#pragma once

#include <array>
#include <functional>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string_view>
#include <vector>

// UTF-8 text for a program's standard output and error. A Windows console
// shows the bytes a program writes through its code page (437 or 850 in a
// Western cmd window), so UTF-8 bytes would show "Zoë" as "Zo├½"; it is given
// wide characters instead, and its code page stays as the user set it, even
// when the program is ended by force. A pipe or a file gets the UTF-8 bytes.
namespace console {

enum class Stream { output, error };

// Whether a Windows console shows the stream. Never elsewhere.
bool showsInConsole(Stream stream);

// Writes whole UTF-8 characters to the stream: as wide characters where a
// console shows it, as the bytes themselves anywhere else.
void writeText(Stream stream, std::string_view utf8);

// The length of the longest start of a text that ends on a whole UTF-8
// character; the bytes of a cut character after it wait for the rest.
std::size_t wholeCharactersLength(std::string_view utf8);

// A stream buffer that hands its text on in pieces ending on whole characters,
// however the text was cut when it was written; what is left when it is
// destroyed goes as it stands.
class TextBuffer : public std::streambuf {
public:
    using Sink = std::function<void(std::string_view)>;

    explicit TextBuffer(Sink sink);
    ~TextBuffer() override;

protected:
    int_type overflow(int_type character) override;
    int sync() override;

private:
    void handOn(bool all);

    Sink sink;
    std::array<char, 4096> buffer{};
};

// While it lives, std::cout and std::cerr write through writeText where a
// console shows them; otherwise they are left as they are.
class ConsoleStreams {
public:
    ConsoleStreams();
    ~ConsoleStreams();
    ConsoleStreams(const ConsoleStreams&) = delete;
    ConsoleStreams& operator=(const ConsoleStreams&) = delete;

private:
    struct Redirected {
        std::ostream* stream;
        std::streambuf* original;
        std::unique_ptr<TextBuffer> buffer;
    };
    std::vector<Redirected> redirected;
};

} // namespace console
