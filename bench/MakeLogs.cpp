// Writes the logs bench/annotate-bench.sh measures on, to standard output:
//   MakeLogs sparse BYTES   log lines of about 100 bytes, about one epoch
//                           number each (seconds, milliseconds, microseconds
//                           or nanoseconds, mixed), among numbers that must
//                           not be taken: versions, addresses, durations,
//                           status codes, hex ids, counters
//   MakeLogs dense COUNT    epoch seconds only, one per line, as a log's
//                           timestamps run: rising by a few seconds
//   MakeLogs dates COUNT    the same numbers as GNU date -f reads them ("@N")
//   MakeLogs line BYTES     one line of BYTES, no line end, numbers spread in
// The numbers follow a fixed sequence, so every run measures the same text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::uint64_t g_state = 0x9E3779B97F4A7C15ULL;

std::uint64_t Next() {
    g_state ^= g_state << 13;
    g_state ^= g_state >> 7;
    g_state ^= g_state << 17;
    return g_state;
}

void Put(std::string& out) {
    if (out.size() >= (1 << 20)) {
        std::fwrite(out.data(), 1, out.size(), stdout);
        out.clear();
    }
}

// A log line's epoch number, in one of the four units, in 2023.
std::string EpochNumber(std::uint64_t second) {
    switch (Next() % 4) {
        case 0:
            return std::to_string(second);
        case 1:
            return std::to_string(second * 1000 + Next() % 1000);
        case 2:
            return std::to_string(second * 1000000 + Next() % 1000000);
        default:
            return std::to_string(second * 1000000000 + Next() % 1000000000);
    }
}

std::string SparseLine(std::uint64_t second) {
    char line[256];
    const unsigned v = static_cast<unsigned>(Next());
    const int n = std::snprintf(
        line, sizeof(line),
        "%s INFO api/v%u.%u.%u req=%08x ts=%s ip=10.%u.%u.%u status=%u took=%ums bytes=%u\n",
        "2023-11-15T06:13:20Z", v % 3, v % 7, v % 11, v, EpochNumber(second).c_str(), v % 256,
        (v >> 8) % 256, (v >> 16) % 256, 200 + v % 300, v % 2000, v % 65536);
    return std::string(line, static_cast<std::size_t>(n));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: MakeLogs sparse|dense|dates|line AMOUNT\n");
        return 2;
    }
    const std::string kind = argv[1];
    const std::uint64_t amount = std::strtoull(argv[2], nullptr, 10);
    std::string out;
    std::uint64_t second = 1700000000;
    if (kind == "sparse") {
        for (std::uint64_t written = 0; written < amount;) {
            second += Next() % 3;
            const std::string line = SparseLine(second);
            out += line;
            written += line.size();
            Put(out);
        }
    } else if (kind == "dense" || kind == "dates") {
        for (std::uint64_t i = 0; i < amount; ++i) {
            second += Next() % 4;
            if (kind == "dates") {
                out += '@';
            }
            out += std::to_string(second);
            out += '\n';
            Put(out);
        }
    } else if (kind == "line") {
        for (std::uint64_t written = 0; written < amount;) {
            second += Next() % 3;
            std::string piece = SparseLine(second);
            piece.back() = ' ';  // one line: no line ends
            out += piece;
            written += piece.size();
            Put(out);
        }
    } else {
        return 2;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
