// The composition of the command line, without any window: the work behind each keystroke
// in a part box and each click on a switch.
#include <benchmark/benchmark.h>

#include "app/frm_xcopy.h"
#include "command/command_line.h"
#include "support/fake_platform.h"

namespace {

void FullLineFromTheParts(benchmark::State& state) {
    lorvane::testing::FakePlatform platform;
    platform.currentDirectory = "C:\\Mes documents\\Projets 2003";
    lorvane::FrmXcopy form(platform);
    form.Form_Load();
    form.Option1[1].SetValue(true);
    int i = 0;
    for (auto _ : state) {
        // A keystroke in the source box: the box changes, the full line follows.
        form.TxtCmd[0].ApplyEdit((i++ % 2) != 0 ? "\"C:\\Mes documents\\a b\\*.*\" " : "C:\\x ", 0, 0);
        benchmark::DoNotOptimize(form.TxtCmd[3].Text().data());
    }
}
BENCHMARK(FullLineFromTheParts);

void SwitchesPartFromTheTicks(benchmark::State& state) {
    lorvane::testing::FakePlatform platform;
    lorvane::FrmXcopy form(platform);
    form.Form_Load();
    for (auto _ : state) {
        std::string code = "a";
        form.FaireCmd(code);
        benchmark::DoNotOptimize(form.TxtCmd[3].Text().data());
    }
}
BENCHMARK(SwitchesPartFromTheTicks);

}  // namespace

BENCHMARK_MAIN();
