// The floor of a load: what it takes on this machine to read the three files of a job from
// the page cache and scan every number in them once, with nothing the program needs on top
// (no messages, no encodings, no exact rounding of long decimals, no map, no mesh).
//
//   floor_scan JOB.dat                      the node, element and data files a job names
//   floor_scan NODES ELEMENTS DATA          the files themselves
//
// Each file is read with read() into one buffer sized from the file, and scanned in one pass
// by a hand-written field scanner into arrays allocated once from the file size (huge pages
// where the kernel offers them). It prints the time inside the process; time the whole
// process with /usr/bin/time. It depends on nothing of the program, so that it stays a floor.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

namespace {

double secondsNow(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Anonymous memory, asked for in huge pages; untouched pages cost nothing.
void* allocate(size_t bytes) {
    if (bytes == 0) bytes = 1;
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return nullptr;
#ifdef MADV_HUGEPAGE
    madvise(p, bytes, MADV_HUGEPAGE);
#endif
    return p;
}

struct Buffer {
    char* data = nullptr;
    size_t size = 0;
};

// The whole file in one buffer, one byte of room after it for a stop mark.
bool readWhole(const char* path, Buffer& out) {
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        close(fd);
        return false;
    }
    const auto size = static_cast<size_t>(st.st_size);
    auto* data = static_cast<char*>(allocate(size + 1));
    size_t got = 0;
    while (data && got < size) {
        const ssize_t n = read(fd, data + got, size - got);
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    close(fd);
    if (!data) return false;
    data[got] = '\n';
    out = {data, got};
    return true;
}

const double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                          1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double power10(int e) {
    double r = 1.0;
    double base = 10.0;
    for (unsigned n = static_cast<unsigned>(e < 0 ? -e : e); n; n >>= 1, base *= base)
        if (n & 1) r *= base;
    return e < 0 ? 1.0 / r : r;
}

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r'; }

// Scans a decimal number; p is left on the first byte after it.
double scanReal(const char*& p) {
    bool negative = false;
    if (*p == '-' || *p == '+') negative = *p++ == '-';
    uint64_t mantissa = 0;
    int exponent = 0;
    int digits = 0;
    for (; static_cast<unsigned>(*p - '0') < 10; ++p)
        if (digits < 19) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0'), ++digits;
        else ++exponent;
    if (*p == '.') {
        for (++p; static_cast<unsigned>(*p - '0') < 10; ++p)
            if (digits < 19) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0'), ++digits, --exponent;
    }
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (*q == '-' || *q == '+') negativeExponent = *q++ == '-';
        if (static_cast<unsigned>(*q - '0') < 10) {
            int e = 0;
            for (; static_cast<unsigned>(*q - '0') < 10; ++q)
                if (e < 100000) e = e * 10 + (*q - '0');
            exponent += negativeExponent ? -e : e;
            p = q;
        }
    }
    double value = static_cast<double>(mantissa);
    if (exponent < 0 && exponent >= -22) value /= kPowers[-exponent];
    else if (exponent > 0 && exponent <= 22) value *= kPowers[exponent];
    else if (exponent != 0) value *= power10(exponent);
    return negative ? -value : value;
}

int32_t scanInteger(const char*& p) {
    bool negative = false;
    if (*p == '-' || *p == '+') negative = *p++ == '-';
    int64_t value = 0;
    for (; static_cast<unsigned>(*p - '0') < 10; ++p) value = value * 10 + (*p - '0');
    while (!isSeparator(*p) && *p != '\n') ++p; // the rest of a token such as 12.7
    return static_cast<int32_t>(negative ? -value : value);
}

// One file of records: a number, then up to `maxFields` fields each, flat.
struct Scanned {
    size_t records = 0;
    size_t fields = 0;
    double checksum = 0.0; // keeps the work from being optimised away
};

template <class Field>
Scanned scanFile(const Buffer& file, size_t maxFields, Field (*scanField)(const char*&)) {
    // A record takes four bytes or more and a field two, whatever the file holds.
    auto* numbers = static_cast<int32_t*>(allocate((file.size / 4 + 1) * sizeof(int32_t)));
    auto* fields = static_cast<Field*>(allocate((file.size / 2 + 1) * sizeof(Field)));
    auto* counts = static_cast<uint8_t*>(allocate(file.size / 4 + 1));
    Scanned out;
    if (!numbers || !fields || !counts) return out;
    const char* p = file.data;
    const char* const end = file.data + file.size;
    while (p < end) {
        while (isSeparator(*p)) ++p;
        if (*p == '\n') {
            ++p;
            continue;
        }
        const int32_t number = scanInteger(p);
        size_t count = 0;
        for (;;) {
            while (isSeparator(*p)) ++p;
            if (*p == '\n') break;
            if (count < maxFields) {
                fields[out.fields + count] = scanField(p);
                ++count;
            }
            while (!isSeparator(*p) && *p != '\n') ++p;
        }
        ++p;
        if (count == 0) continue;
        numbers[out.records] = number;
        counts[out.records] = static_cast<uint8_t>(count);
        ++out.records;
        out.fields += count;
    }
    for (size_t i = 0; i < out.records; i += 997) out.checksum += numbers[i];
    for (size_t i = 0; i < out.fields; i += 991) out.checksum += static_cast<double>(fields[i]);
    return out;
}

// The node, element and data file names of a job file (Key=value lines, relative names
// beside the job).
bool namesFromJob(const char* jobPath, std::string names[3]) {
    std::FILE* f = std::fopen(jobPath, "rb");
    if (!f) return false;
    std::string folder = jobPath;
    const size_t slash = folder.rfind('/');
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
    const char* keys[3] = {"PointFile=", "ElementFile=", "DataFile="};
    char line[4096];
    while (std::fgets(line, sizeof line, f)) {
        std::string text = line;
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        for (int k = 0; k < 3; ++k) {
            const size_t keyLength = std::strlen(keys[k]);
            if (text.compare(0, keyLength, keys[k]) != 0) continue;
            std::string name = text.substr(keyLength);
            names[k] = name.empty() || name[0] == '/' ? name : folder + name;
        }
    }
    std::fclose(f);
    return !names[0].empty();
}

} // namespace

int main(int argc, char** argv) {
    std::string names[3];
    if (argc == 2) {
        if (!namesFromJob(argv[1], names)) {
            std::fprintf(stderr, "floor_scan: cannot read the job %s\n", argv[1]);
            return 1;
        }
    } else if (argc == 4) {
        for (int k = 0; k < 3; ++k) names[k] = argv[k + 1];
    } else {
        std::fprintf(stderr, "usage: floor_scan JOB.dat | floor_scan NODES ELEMENTS DATA\n");
        return 2;
    }

    const double wallStart = secondsNow(CLOCK_MONOTONIC);
    const double cpuStart = secondsNow(CLOCK_PROCESS_CPUTIME_ID);
    const size_t maxFields[3] = {3, 8, 9};
    Scanned scanned[3];
    size_t bytes = 0;
    for (int k = 0; k < 3; ++k) {
        if (names[k].empty()) continue;
        Buffer file;
        if (!readWhole(names[k].c_str(), file)) {
            std::fprintf(stderr, "floor_scan: cannot read %s\n", names[k].c_str());
            return 1;
        }
        bytes += file.size;
        scanned[k] = k == 1 ? scanFile<int32_t>(file, maxFields[k], scanInteger)
                            : scanFile<double>(file, maxFields[k], scanReal);
    }
    const double wall = secondsNow(CLOCK_MONOTONIC) - wallStart;
    const double cpu = secondsNow(CLOCK_PROCESS_CPUTIME_ID) - cpuStart;

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("{\"wall_s\": %.4f, \"cpu_s\": %.4f, \"bytes\": %zu, \"gb_per_cpu_s\": %.3f, "
                "\"nodes\": %zu, \"elements\": %zu, \"rows\": %zu, \"minor_faults\": %ld, \"checksum\": %.6g}\n",
                wall, cpu, bytes, cpu > 0 ? static_cast<double>(bytes) / cpu * 1e-9 : 0.0, scanned[0].records,
                scanned[1].records, scanned[2].records, usage.ru_minflt,
                scanned[0].checksum + scanned[1].checksum + scanned[2].checksum);
    return 0;
}
