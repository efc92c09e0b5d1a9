// Extracting a 50 MB skin package of mixed stored and deflated bitmaps: the zip reader, as the skin
// engine drives it, against Info-ZIP's unzip -o -q on the same archive in the same run. The package is
// written at start by Info-ZIP zip into a temporary folder and removed at the end.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "zip/ZipReader.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kPictures = 28;  // of each kind, about 0.92 MB each

struct SPackage {
    fs::path root;
    fs::path archive;
    fs::path output;
};

SPackage g_package;

// A 24-bit bitmap. Photographs are noise and do not compress (stored); skin pictures are gradients
// with a little noise and deflate to about half.
void WriteBitmap(const fs::path& path, std::uint32_t seed, bool photograph) {
    const int rowBytes = kWidth * 3;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(rowBytes) * kHeight);
    std::uint32_t state = seed * 2654435761u + 1;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < rowBytes; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const auto gradient = static_cast<std::uint8_t>((x / 3 + y + seed * 40) & 0xFF);
            pixels[static_cast<std::size_t>(y) * rowBytes + x] =
                photograph ? static_cast<std::uint8_t>(state)
                           : static_cast<std::uint8_t>(gradient ^ (state & 0x0F));
        }
    }
    const std::uint32_t fileSize = 54 + static_cast<std::uint32_t>(pixels.size());
    std::uint8_t header[54] = {'B', 'M'};
    auto put = [&header](int at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            header[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
    };
    put(2, fileSize);
    put(10, 54);
    put(14, 40);
    put(18, kWidth);
    put(22, kHeight);
    put(26, 1 | (24 << 16));
    put(34, static_cast<std::uint32_t>(pixels.size()));
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(header), sizeof header);
    file.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
}

void Run(const std::string& command) {
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
}

void MakePackage() {
    std::string pattern = (fs::temp_directory_path() / "zipbench.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::exit(1);
    }
    g_package.root = pattern;
    g_package.archive = g_package.root / "Package.zip";
    g_package.output = g_package.root / "out";
    const fs::path source = g_package.root / "source";
    fs::create_directories(source / "photos");
    fs::create_directories(source / "skin");
    for (int i = 0; i < kPictures; ++i) {
        WriteBitmap(source / "photos" / ("photo" + std::to_string(i) + ".bmp"), static_cast<std::uint32_t>(i),
                    true);
        WriteBitmap(source / "skin" / ("skin" + std::to_string(i) + ".bmp"), static_cast<std::uint32_t>(i),
                    false);
    }
    const std::string archive = "'" + g_package.archive.string() + "'";
    Run("cd '" + source.string() + "' && zip -q -X -0 -r " + archive + " photos && zip -q -X -6 -r " +
        archive + " skin");
    fs::remove_all(source);
    std::printf("package: %.1f MB\n", static_cast<double>(fs::file_size(g_package.archive)) / 1e6);
}

void FreshOutput(benchmark::State& state) {
    state.PauseTiming();
    fs::remove_all(g_package.output);
    state.ResumeTiming();
}

void ZipReader(benchmark::State& state) {
    CZipReader reader;
    for (auto _ : state) {
        FreshOutput(state);
        reader.Close(true);
        reader.Open(g_package.archive.string(), CZipReader::zipOpen, 0);
        for (int i = 0; i < reader.GetCount(); ++i) {
            if (!reader.ExtractEntry(static_cast<std::uint16_t>(i), g_package.output.string(), true, 65535)) {
                state.SkipWithError("an entry was not extracted");
            }
        }
        reader.Close(true);
    }
}

void InfoZipUnzip(benchmark::State& state) {
    const std::string command =
        "unzip -o -q '" + g_package.archive.string() + "' -d '" + g_package.output.string() + "'";
    for (auto _ : state) {
        FreshOutput(state);
        Run(command);
    }
}

// Prints the ratio of the two mean times once both have run.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    CRatioReporter() : ConsoleReporter(OO_None) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean") {
                m_times[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        if (m_times.count("ZipReader") != 0 && m_times.count("InfoZipUnzip") != 0) {
            std::printf("reader / unzip = %.3f\n", m_times["ZipReader"] / m_times["InfoZipUnzip"]);
        }
    }

private:
    std::map<std::string, double> m_times;
};

// Repetitions run interleaved (see main), which spreads the effects of the page cache and of
// write-back over both.
BENCHMARK(ZipReader)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);
BENCHMARK(InfoZipUnzip)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave.data());
    int count = static_cast<int>(arguments.size());
    ::benchmark::Initialize(&count, arguments.data());
    MakePackage();
    CRatioReporter reporter;
    ::benchmark::RunSpecifiedBenchmarks(&reporter);
    fs::remove_all(g_package.root);
    return 0;
}
