// Reading settings and language files: the whole settings file at start-up, and every text of
// a language when the language menu is used.

#include <benchmark/benchmark.h>

#include <string>

#include "core/config/language.h"
#include "core/config/language_keys.h"
#include "core/config/profile_file.h"
#include "core/config/settings.h"
#include "core/local_file_system.h"
#include "core/memory_ports.h"

namespace {

using namespace zumbrel;

void BM_ReadINI_first_run_file(benchmark::State& state) {
    // A settings file as the program writes it on its first close.
    MemoryFileSystem files;
    files.createFolders("/app");
    config::ProfileFile written = config::ProfileFile::load(files, "/app/Zumbrel.ini");
    config::writeOnClose(written, config::InstallCode::ZMB, config::Settings::firstRun(','));
    std::string error;
    if (!written.save(files, error)) state.SkipWithError(error.c_str());
    for (auto _ : state) {
        const config::ProfileFile file = config::ProfileFile::load(files, "/app/Zumbrel.ini");
        config::Settings s;
        benchmark::DoNotOptimize(config::ReadINI(file, config::InstallCode::ZMB, ',', s));
    }
}
BENCHMARK(BM_ReadINI_first_run_file)->Unit(benchmark::kMicrosecond);

void BM_every_text_of_a_language(benchmark::State& state) {
    LocalFileSystem files;
    const config::LanguageRow& english = *config::languageOfNumber(3);
    const std::string path = std::string(ZUMBREL_LANGUAGE_DIR) + "/English.lng";
    const std::vector<std::string_view> keys = config::allLanguageKeys();
    for (auto _ : state) {
        const config::ProfileFile file = config::ProfileFile::load(files, path);
        const config::Translation t(file, english, config::InstallCode::ZMB);
        for (std::string_view key : keys)
            benchmark::DoNotOptimize(t.text(key));
    }
    state.counters["keys"] = static_cast<double>(keys.size());
}
BENCHMARK(BM_every_text_of_a_language)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
