// Decoding the built-in pictures: how long it takes to decode every picture and strip once
// (what start-up would cost if everything were loaded at once), and the memory they then hold.
// Run by hand; it asserts nothing.
#include "resources/Pictures.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A line of /proc/self/status in kilobytes ("VmRSS", "VmHWM"), or −1.
long statusKb(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    return -1;
}

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main()
{
    const long rssBefore = statusKb("VmRSS");

    constexpr int rounds = 5;
    std::vector<double> jpegMs, stripMs, bigMs;
    for (int r = 0; r < rounds; ++r) {
        wb::pictures::clearCache();
        auto start = std::chrono::steady_clock::now();
        for (const QString& key : wb::pictures::pictureKeys())
            wb::pictures::jpeg(key);
        jpegMs.push_back(msSince(start));
        start = std::chrono::steady_clock::now();
        for (const QString& key : wb::pictures::stripKeys())
            wb::pictures::strip(key);
        stripMs.push_back(msSince(start));
        // The largest single picture, decoded alone: what opening the main menu costs.
        wb::pictures::clearCache();
        start = std::chrono::steady_clock::now();
        wb::pictures::jpeg(QStringLiteral("FormMenue.ImageHinter"));
        bigMs.push_back(msSince(start));
    }
    wb::pictures::clearCache();
    for (const QString& key : wb::pictures::pictureKeys())
        wb::pictures::jpeg(key);
    for (const QString& key : wb::pictures::stripKeys())
        wb::pictures::strip(key);

    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    qint64 embedded = 0;
    for (const QString& key : wb::pictures::pictureKeys())
        embedded += wb::pictures::jpegData(key).size();
    std::printf("pictures_bench (median of %d rounds)\n", rounds);
    std::printf("  decode %lld JPEG pictures:          %8.1f ms\n",
        static_cast<long long>(wb::pictures::pictureKeys().size()), median(jpegMs));
    std::printf("  decode %lld PNG strips:             %8.1f ms\n",
        static_cast<long long>(wb::pictures::stripKeys().size()), median(stripMs));
    std::printf("  all pictures, once:                 %8.1f ms\n", median(jpegMs) + median(stripMs));
    std::printf("  the 1200 x 865 menu picture alone:  %8.1f ms\n", median(bigMs));
    std::printf("  JPEG bytes embedded:                %8.1f KiB\n", embedded / 1024.0);
    std::printf("  decoded pixels held:                %8.1f MiB\n", wb::pictures::decodedBytes() / (1024.0 * 1024.0));
    std::printf("  process RSS before / with all:      %8.1f / %.1f MiB (peak %.1f MiB)\n", rssBefore / 1024.0,
        statusKb("VmRSS") / 1024.0, statusKb("VmHWM") / 1024.0);
    return 0;
}
