// The peak memory of opening hostile tape files: floods of paragraphs, of line breaks, of
// one-character runs and of style changes, and the longest tapes still accepted. Each file
// is opened in a child process, by `zumbrel-cli --load` and by the windows (offscreen), and
// the child's peak resident size is read when it ends. Prints figures; it passes or fails
// nothing. The aim is at most 12 times the file's size plus 64 MB.
//
//   bench_flood_memory [--only NAME] [--timeout SECONDS] [--no-windows]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr double kMB = 1024.0 * 1024.0;
constexpr int kLineLimit = 2'000'000;

struct Flood {
    const char* name;
    const char* file;
    std::function<void(std::ofstream&)> write;
};

void repeat(std::ofstream& out, const std::string& piece, long n) {
    for (long i = 0; i < n; ++i)
        out << piece;
}

std::vector<Flood> floods() {
    return {
        {"paragraphs 10^7", "paragraphs.rtf",
         [](std::ofstream& o) {
             o << "{\\rtf1 ";
             repeat(o, "\\\n", 10'000'000);  // a backslash before a line break ends a paragraph
             o << "}";
         }},
        {"line breaks 2*10^7", "breaks.txt", [](std::ofstream& o) { repeat(o, "\n", 20'000'000); }},
        {"runs 5*10^6", "runs.rtf",
         [](std::ofstream& o) {
             o << "{\\rtf1 ";
             repeat(o, "\\b a\\b0 a", 2'500'000);
             o << "}";
         }},
        {"styles 655000", "styles.rtf",
         [](std::ofstream& o) {
             constexpr int n = 655'000;
             o << "{\\rtf1 {\\colortbl;";
             for (int i = 0; i < n; ++i)
                 o << "\\red" << i % 256 << "\\green" << i / 256 % 256 << "\\blue" << i / 65536
                   << ";";
             o << "}";
             for (int i = 1; i <= n; ++i)
                 o << "\\cf" << i << " a";
             o << "}";
         }},
        {"paragraphs at the limit", "limit_paragraphs.rtf",
         [](std::ofstream& o) {
             o << "{\\rtf1 ";
             repeat(o, "\\\n", kLineLimit);
             o << "}";
         }},
        {"line breaks at the limit", "limit_breaks.txt",
         [](std::ofstream& o) { repeat(o, "\n", kLineLimit); }},
        {"tape lines at the limit", "limit_lines.rtf",
         [](std::ofstream& o) {
             o << "{\\rtf1 ";
             repeat(o, "1 234,50\\par\n", kLineLimit);
             o << "}";
         }},
    };
}

struct Child {
    bool finished = false;  // false: killed at the time limit
    int exitCode = -1;
    double peakMB = 0;
    double seconds = 0;
};

// Runs a program, its output thrown away, and reads its peak resident size when it ends.
Child run(const std::vector<std::string>& argv, int timeoutSeconds) {
    const auto start = std::chrono::steady_clock::now();
    std::fflush(stdout);  // or the child would print it again
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "r", stdin);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    Child c;
    int status = 0;
    rusage usage{};
    while (true) {
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid) break;
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(timeoutSeconds)) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    c.finished = WIFEXITED(status);
    c.exitCode = c.finished ? WEXITSTATUS(status) : -1;
    c.peakMB = static_cast<double>(usage.ru_maxrss) * 1024.0 / kMB;
    c.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return c;
}

std::string describe(const Child& c, double fileMB) {
    char buf[160];
    if (!c.finished) {
        std::snprintf(buf, sizeof buf, "%8.1f MB  (killed after %.0f s)", c.peakMB, c.seconds);
        return buf;
    }
    const double aim = 12 * fileMB + 64;
    std::snprintf(buf, sizeof buf, "%8.1f MB  %5.1f x file  %s  %-7s %5.1f s", c.peakMB,
                  fileMB > 0 ? c.peakMB / fileMB : 0.0,
                  c.peakMB <= aim ? "within aim" : "OVER AIM  ",
                  c.exitCode == 0 ? "opened" : "refused", c.seconds);
    return buf;
}

}  // namespace

int main(int argc, char** argv) {
    std::string only;
    int timeout = 300;
    bool windows = std::string(ZUMBREL_WINDOW_PROBE).size() > 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--only" && i + 1 < argc)
            only = argv[++i];
        else if (a == "--timeout" && i + 1 < argc)
            timeout = std::atoi(argv[++i]);
        else if (a == "--no-windows")
            windows = false;
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zumbrel-floods-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::printf("peak resident memory (aim: 12 x file + 64 MB)\n");
    const std::string empty = (folder / "empty.txt").string();
    std::ofstream(empty) << "1,00\n";
    std::printf("%-26s %8s   cli %s\n", "a one-line tape", "",
                describe(run({ZUMBREL_CLI, "--load", empty, "--", "1"}, timeout), 0).c_str());
    if (windows)
        std::printf("%-26s %8s   windows %s\n", "", "",
                    describe(run({ZUMBREL_WINDOW_PROBE, empty}, timeout), 0).c_str());
    for (const Flood& f : floods()) {
        if (!only.empty() && std::string(f.file).find(only) == std::string::npos) continue;
        const std::string path = (folder / f.file).string();
        {
            std::ofstream out(path, std::ios::binary);
            f.write(out);
        }
        const double fileMB = static_cast<double>(std::filesystem::file_size(path)) / kMB;
        std::printf(
            "%-26s %6.1f MB   cli %s\n", f.name, fileMB,
            describe(run({ZUMBREL_CLI, "--load", path, "--", "1"}, timeout), fileMB).c_str());
        if (windows)
            std::printf("%-26s %9s   windows %s\n", "", "",
                        describe(run({ZUMBREL_WINDOW_PROBE, path}, timeout), fileMB).c_str());
        std::fflush(stdout);
        std::filesystem::remove(path);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
