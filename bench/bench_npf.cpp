// Cost of opening and saving a character file of 1 KiB, 1 MiB and 1 GiB, a
// save with and without its flush to the device, and the writes it makes.
// The large files are sparse: only their header and fields are real bytes, so
// the benchmark needs no gigabyte of disk. The cost must not grow with size.
#include "npf/npf_document.h"
#include "tools/npf_builder.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <span>

namespace {

// A sparse file of the given size whose head and tail are those of a real character file.
std::string sparseCharacterFile(std::size_t size)
{
    const auto path = std::filesystem::temp_directory_path()
        / ("veyrith-bench-" + std::to_string(size) + "-" + std::to_string(std::random_device()()) + ".npf");
    constexpr std::size_t edge = 4096;
    const auto small = npftools::buildNpfBytes(npftools::sampleCharacter(), 2 * edge);
    npftools::writeFileBytes(path, {});
    std::filesystem::resize_file(path, size);
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    const std::size_t head = std::min(size, edge);
    file.write(small.data(), static_cast<std::streamsize>(head));
    if (size > edge) {
        // The end-relative fields are laid out against the small file's end.
        file.seekp(static_cast<std::streamoff>(size - edge));
        file.write(small.data() + edge, static_cast<std::streamsize>(edge));
    }
    return path.string();
}

struct BenchFile {
    explicit BenchFile(std::size_t size)
        : path(sparseCharacterFile(size))
    {
    }
    ~BenchFile() { std::filesystem::remove(path); }
    std::string path;
};

void CheckHeaderAndRead(benchmark::State& state)
{
    BenchFile file(static_cast<std::size_t>(state.range(0)));
    npf::NpfDocument document;
    document.setPath(file.path);
    for (auto _ : state) {
        bool ok = document.checkHeader() && document.readFile();
        benchmark::DoNotOptimize(ok);
        if (!ok)
            state.SkipWithError("read failed");
    }
}

// The system's calls, with the writes counted and the flush left out on request.
class CountingFile final : public npftools::ForwardingFile {
public:
    explicit CountingFile(bool flushing)
        : flushing(flushing)
    {
    }
    npf::Transfer writeAt(std::uint64_t offset, std::span<const char> bytes) override
    {
        ++writes;
        return ForwardingFile::writeAt(offset, bytes);
    }
    npf::Transfer::Status flush() override
    {
        return flushing ? ForwardingFile::flush() : npf::Transfer::Status::done;
    }

    std::int64_t writes = 0;

private:
    bool flushing;
};

void Save(benchmark::State& state)
{
    BenchFile file(static_cast<std::size_t>(state.range(0)));
    npf::NpfDocument document;
    document.setPath(file.path);
    if (!document.readFile())
        state.SkipWithError("read failed");
    CountingFile counting(state.range(1) != 0);
    for (auto _ : state) {
        const bool ok = static_cast<bool>(document.saveFile(counting));
        benchmark::DoNotOptimize(ok);
        if (!ok)
            state.SkipWithError("save failed");
    }
    state.counters["writes"]
        = benchmark::Counter(static_cast<double>(counting.writes), benchmark::Counter::kAvgIterations);
}

constexpr std::int64_t KiB = 1024;
BENCHMARK(CheckHeaderAndRead)->Arg(KiB)->Arg(KiB* KiB)->Arg(KiB* KiB* KiB);
BENCHMARK(Save)->ArgsProduct({{KiB, KiB* KiB, KiB* KiB* KiB}, {1, 0}})->ArgNames({"size", "flush"});

} // namespace

BENCHMARK_MAIN();
