#include "file_system.h"

#include <sys/stat.h>

#include <cerrno>

namespace npf {

FileFacts factsOf(const std::filesystem::path& path)
{
    struct stat facts { };
    if (::stat(path.c_str(), &facts) != 0)
        return {faultOfError(std::error_code(errno, std::generic_category()), FileFault::readFailed)};
    if (S_ISDIR(facts.st_mode))
        return {FileFault::folder};
    if (!S_ISREG(facts.st_mode))
        return {FileFault::notRegularFile};
    return {FileFault::none, static_cast<std::uint64_t>(facts.st_size)};
}

std::filesystem::path systemPathOf(const std::filesystem::path& path)
{
    return path;
}

} // namespace npf
