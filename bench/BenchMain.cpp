// The benchmark program: every measurement runs on the headless backend, so frame work is measured
// without a window system in the way.
#include <benchmark/benchmark.h>

#include "platform/Platform.h"

int main(int argc, char** argv) {
    platform::useHeadlessBackend();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
