// The viewer engine's speed and memory: opening files and showing their first page, switching
// pages (decode and render, and through the control with painting), the peak memory of showing
// the first page of a 1 GB series, and vitrine-export against dcmj2pnm on the same files.
//
// The synthetic series are written once into the benchmark data folder by the generator of
// tools/dicomgen; CT_small comes from python3-pydicom's data folder.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "dicomgen/SyntheticSeries.h"
#include "viewer/ImageDocument.h"
#include "viewer/ImageViewerControl.h"
#include "viewer/Renderer.h"

extern char** environ;

namespace {

struct CSyntheticFile {
    const char* name;
    int frames;
    bool jpeg2000;
};

// 512 x 512 signed 16-bit: one CT slice, 1000-frame series raw and JPEG 2000, and 2000 raw
// frames (1 GB).
constexpr CSyntheticFile kSynthetic[] = {
    {"ct512.dcm", 1, false},
    {"raw1000.dcm", 1000, false},
    {"j2k1000.dcm", 1000, true},
    {"raw1gb.dcm", 2000, false},
};

std::string DataFile(const std::string& name) {
    if (name == "CT_small.dcm") {
        return std::string(PYDICOM_DATA) + "/test_files/CT_small.dcm";
    }
    QDir().mkpath(BENCH_DATA);
    const std::string path = std::string(BENCH_DATA) + "/" + name;
    for (const CSyntheticFile& file : kSynthetic) {
        if (name == file.name && !QFileInfo::exists(QString::fromStdString(path))) {
            CSyntheticSeries series;
            series.frames = file.frames;
            series.jpeg2000 = file.jpeg2000;
            std::string error;
            if (!WriteSyntheticSeries(path, series, error)) {
                std::fprintf(stderr, "cannot make %s: %s\n", path.c_str(), error.c_str());
            }
        }
    }
    return path;
}

const char* const kFileNames[] = {"CT_small.dcm", "ct512.dcm", "raw1000.dcm", "j2k1000.dcm", "raw1gb.dcm"};

void OpenFirstPage(benchmark::State& state) {
    const std::string path = DataFile(kFileNames[state.range(0)]);
    state.SetLabel(kFileNames[state.range(0)]);
    std::string error;
    for (auto _ : state) {
        const auto document = OpenImageDocument(path, error);
        CFrame frame;
        if (!document || !document->DecodePage(0, frame, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(RenderFrame(frame, document->DisplayParameters(0), {}).image.constBits());
    }
}
BENCHMARK(OpenFirstPage)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void PageSwitch(benchmark::State& state) {
    const std::string path = DataFile(kFileNames[state.range(0)]);
    state.SetLabel(kFileNames[state.range(0)]);
    std::string error;
    const auto document = OpenImageDocument(path, error);
    if (!document) {
        state.SkipWithError(error.c_str());
        return;
    }
    int page = 0;
    for (auto _ : state) {
        page = (page + 1) % document->PageCount();
        CFrame frame;
        if (!document->DecodePage(page, frame, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(RenderFrame(frame, document->DisplayParameters(page), {}).image.constBits());
    }
}
BENCHMARK(PageSwitch)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// Through the control as the window shows it: the next page decoded in the background, then
// rendered and painted at fit into an 800 x 800 view.
void ControlPageSwitchAndPaint(benchmark::State& state) {
    CImageViewerControl control;
    control.resize(800, 800);
    control.show();
    if (!control.Open(DataFile(kFileNames[state.range(0)]))) {
        state.SkipWithError(control.LastError().c_str());
        return;
    }
    state.SetLabel(kFileNames[state.range(0)]);
    int page = 1;
    for (auto _ : state) {
        page = page % control.PageCount() + 1;
        control.GoToPage(page);
        benchmark::DoNotOptimize(control.PageImage().constBits());
        control.viewport()->repaint();
    }
}
BENCHMARK(ControlPageSwitchAndPaint)->Arg(2)->Unit(benchmark::kMillisecond);

struct CProcessRun {
    double seconds = 0;
    int status = -1;
};

CProcessRun RunProcess(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    CProcessRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(child, &status, 0);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

// The whole viewer control in a process of its own showing (and saving) the first page of the
// 1 GB series: its peak resident memory and its time. GNU time measures the memory: a process
// started straight from this one inherits this process's own high-water mark.
void FirstPageOfOneGigabyte(benchmark::State& state) {
    const std::string path = DataFile("raw1gb.dcm");
    const std::string out = std::string(BENCH_DATA) + "/raw1gb.png";
    const std::string report = std::string(BENCH_DATA) + "/raw1gb.memory";
    long peak = 0;
    for (auto _ : state) {
        const CProcessRun run =
            RunProcess({"/usr/bin/time", "-f", "%M", "-o", report, VITRINE_EXPORT, "save", path, out});
        std::FILE* file = std::fopen(report.c_str(), "r");
        long kilobytes = 0;
        const bool measured = file && std::fscanf(file, "%ld", &kilobytes) == 1;
        if (file) {
            std::fclose(file);
        }
        if (run.status != 0 || !measured) {
            state.SkipWithError("vitrine-export failed");
            return;
        }
        peak = std::max(peak, kilobytes);
        state.SetIterationTime(run.seconds);
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / 1024.0;
}
BENCHMARK(FirstPageOfOneGigabyte)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// vitrine-export save to PNG against dcmj2pnm +on, alternating on the same file; speed_ratio is
// dcmj2pnm's time over ours (above 1: ours is faster). dcmj2pnm shows the whole range by default
// where vitrine-export applies the file's window (or, without one, the page's range); the second
// argument 1 adds +Wi 1 (or +Wm) so that both write the same picture.
void ExportAgainstDcmj2pnm(benchmark::State& state) {
    const char* const names[] = {"CT_small.dcm", "ct512.dcm", "raw1000.dcm"};
    const std::string path = DataFile(names[state.range(0)]);
    const bool samePicture = state.range(1) == 1;
    state.SetLabel(std::string(names[state.range(0)]) + (samePicture ? " (same picture)" : ""));
    std::vector<std::string> dcmtk = {"dcmj2pnm", "+on", "+F", "1"};
    if (samePicture && state.range(0) == 0) {
        dcmtk.push_back("+Wm");
    } else if (samePicture) {
        dcmtk.insert(dcmtk.end(), {"+Wi", "1"});
    }
    const std::string ours = std::string(BENCH_DATA) + "/ours.png";
    const std::string theirs = std::string(BENCH_DATA) + "/theirs.png";
    double oursTotal = 0;
    double theirsTotal = 0;
    for (auto _ : state) {
        const CProcessRun a = RunProcess({VITRINE_EXPORT, "save", path, ours});
        std::vector<std::string> arguments = dcmtk;
        arguments.insert(arguments.end(), {path, theirs});
        const CProcessRun b = RunProcess(arguments);
        if (a.status != 0 || b.status != 0) {
            state.SkipWithError("an export failed");
            return;
        }
        oursTotal += a.seconds;
        theirsTotal += b.seconds;
        state.SetIterationTime(a.seconds);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["ours_ms"] = 1000 * oursTotal / runs;
    state.counters["dcmj2pnm_ms"] = 1000 * theirsTotal / runs;
    state.counters["speed_ratio"] = theirsTotal / oursTotal;
}
BENCHMARK(ExportAgainstDcmj2pnm)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);

}  // namespace
