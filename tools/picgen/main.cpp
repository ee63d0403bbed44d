// wb-picgen: synthesises every built-in picture of the program.
//
//   wb-picgen OUTDIR [FILE...]       writes <Form>.<Component>.jpg and <Form>.<List>.png; the
//                                    files, if listed, must be exactly those of the table
//   wb-picgen --timings OUTDIR       the same, and reports the processor time of each picture
//   wb-picgen --contact-sheet DIR    writes contact sheets of all pictures and frames to look at
//   wb-picgen --synthesis-sheet DIR  writes contact sheets of run-time micrographs (ratio 1 and 2)
//   wb-picgen --view KEY ZOOM OUT    writes one picture or strip, enlarged ZOOM times, as PNG
//
// The pictures depend on nothing but this program: the same build writes the same bytes.
#include "Encode.h"
#include "Micrographs.h"
#include "Schematics.h"
#include "SynthesisSheet.h"
#include "resources/PictureTable.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <thread>

using namespace picgen;
using namespace wb::pictures;

namespace {

struct Generated {
    std::vector<Picture> pictures; // in table order
    StripSet strips;
    std::vector<std::pair<std::string, double>> jobSeconds;
};

// Runs the jobs on all cores; each job writes only its own slot, so the result does not depend
// on the order in which they finish.
void runParallel(const std::vector<std::function<void()>>& jobs)
{
    std::atomic<size_t> next { 0 };
    auto worker = [&] {
        for (size_t i = next++; i < jobs.size(); i = next++)
            jobs[i]();
    };
    const unsigned n = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < n; ++t)
        threads.emplace_back(worker);
    worker();
    for (auto& t : threads)
        t.join();
}

bool generate(Generated& out, QString* error)
{
    out.pictures.resize(kPictureTable.size());
    const auto& families = stripFamilies();
    std::vector<StripSet> familyOut(families.size());
    std::vector<std::function<void()>> jobs;
    std::vector<std::string> names;
    for (size_t i = 0; i < kPictureTable.size(); ++i) {
        jobs.push_back([&, i] { out.pictures[i] = renderPicture(kPictureTable[i]); });
        names.push_back(pictureKey(kPictureTable[i]));
    }
    for (size_t f = 0; f < families.size(); ++f) {
        jobs.push_back([&, f] { families[f].make(familyOut[f]); });
        names.push_back(families[f].name);
    }
    out.jobSeconds.assign(jobs.size(), {});
    std::vector<std::function<void()>> timed;
    for (size_t j = 0; j < jobs.size(); ++j)
        timed.push_back([&, j] {
            // Processor time of this thread, which other programs running at once do not inflate.
            timespec a {}, b {};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
            jobs[j]();
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &b);
            out.jobSeconds[j] = { names[j], static_cast<double>(b.tv_sec - a.tv_sec) + (b.tv_nsec - a.tv_nsec) * 1e-9 };
        });
    runParallel(timed);

    for (auto& set : familyOut)
        for (auto& [key, frames] : set) {
            if (out.strips.count(key)) {
                *error = QStringLiteral("strip %1 made twice").arg(QString::fromStdString(key));
                return false;
            }
            out.strips[key] = std::move(frames);
        }
    for (const StripEntry& e : kStripTable) {
        const auto it = out.strips.find(stripKey(e));
        if (it == out.strips.end()) {
            *error = QStringLiteral("strip %1 is missing").arg(QString::fromStdString(stripKey(e)));
            return false;
        }
        if (static_cast<int>(it->second.size()) != e.frames) {
            *error = QStringLiteral("strip %1 has %2 frames, not %3")
                         .arg(QString::fromStdString(stripKey(e)))
                         .arg(it->second.size())
                         .arg(e.frames);
            return false;
        }
        for (const Rgba& f : it->second)
            if (f.w != e.frameWidth || f.h != e.frameHeight) {
                *error
                    = QStringLiteral("strip %1 has a frame of the wrong size").arg(QString::fromStdString(stripKey(e)));
                return false;
            }
    }
    if (out.strips.size() != kStripTable.size()) {
        *error = QStringLiteral("a family made a strip that is not in the table");
        return false;
    }
    for (size_t i = 0; i < kPictureTable.size(); ++i) {
        const Picture& p = out.pictures[i];
        const int w = p.grey ? p.luma.w : p.colour.w;
        const int h = p.grey ? p.luma.h : p.colour.h;
        if (w != kPictureTable[i].width || h != kPictureTable[i].height) {
            *error = QStringLiteral("picture %1 has the wrong size")
                         .arg(QString::fromStdString(pictureKey(kPictureTable[i])));
            return false;
        }
    }
    return true;
}

// The JPEG quality: high enough that the etched detail survives, low enough to keep the
// program small.
constexpr int kJpegQuality = 90;

QByteArray jpegBytes(const Picture& p)
{
    return p.grey ? encodeGreyJpeg(p.luma, kJpegQuality) : encodeColourJpeg(p.colour, kJpegQuality);
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

// The file names the table gives, in table order.
QStringList tableFiles()
{
    QStringList files;
    for (const PictureEntry& e : kPictureTable)
        files << QString::fromStdString(pictureKey(e)) + ".jpg";
    for (const StripEntry& e : kStripTable)
        files << QString::fromStdString(stripKey(e)) + ".png";
    return files;
}

int writeAll(const QString& dir, bool timings, const QStringList& expected)
{
    if (!expected.isEmpty()) {
        QStringList want = expected, have = tableFiles();
        want.sort();
        have.sort();
        if (want != have) {
            std::fprintf(stderr, "wb-picgen: the build's file list and the picture table differ\n");
            return 1;
        }
    }
    Generated g;
    QString error;
    const auto start = std::chrono::steady_clock::now();
    if (!generate(g, &error)) {
        std::fprintf(stderr, "wb-picgen: %s\n", qPrintable(error));
        return 1;
    }
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "wb-picgen: cannot create %s\n", qPrintable(dir));
        return 1;
    }
    for (size_t i = 0; i < kPictureTable.size(); ++i) {
        const QString path = dir + '/' + QString::fromStdString(pictureKey(kPictureTable[i])) + ".jpg";
        if (!writeFile(path, jpegBytes(g.pictures[i]), &error)) {
            std::fprintf(stderr, "wb-picgen: %s\n", qPrintable(error));
            return 1;
        }
    }
    for (const StripEntry& e : kStripTable) {
        const QString path = dir + '/' + QString::fromStdString(stripKey(e)) + ".png";
        if (!writeFile(path, encodePng(stripImage(g.strips[stripKey(e)])), &error)) {
            std::fprintf(stderr, "wb-picgen: %s\n", qPrintable(error));
            return 1;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "wb-picgen: %zu pictures and %zu strips in %.2f s\n", kPictureTable.size(), kStripTable.size(), seconds);
    if (timings) {
        double total = 0;
        for (const auto& [name, s] : g.jobSeconds) {
            std::printf("  %-28s %6.3f s\n", name.c_str(), s);
            total += s;
        }
        std::printf("  processor time of all pictures: %.2f s\n", total);
    }
    return 0;
}

// Contact sheets: every picture reduced to fit a cell, and every strip at twice its size with
// a checkerboard behind transparent pixels, each with its key.
int contactSheets(const QString& dir)
{
    Generated g;
    QString error;
    if (!generate(g, &error)) {
        std::fprintf(stderr, "wb-picgen: %s\n", qPrintable(error));
        return 1;
    }
    QDir().mkpath(dir);
    const QFont font(QStringLiteral("DejaVu Sans"), 9);

    {
        const int cellW = 420, cellH = 330, cols = 4;
        const int rows = static_cast<int>((kPictureTable.size() + cols - 1) / cols);
        QImage sheet(cols * cellW, rows * cellH, QImage::Format_RGB32);
        sheet.fill(QColor(60, 60, 60));
        QPainter painter(&sheet);
        painter.setFont(font);
        painter.setPen(Qt::white);
        for (size_t i = 0; i < kPictureTable.size(); ++i) {
            const QByteArray bytes = jpegBytes(g.pictures[i]);
            QImage img = QImage::fromData(bytes, "JPG");
            img = img.scaled(cellW - 20, cellH - 30, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            const int x = static_cast<int>(i % cols) * cellW + 10;
            const int y = static_cast<int>(i / cols) * cellH + 22;
            painter.drawImage(x, y, img);
            painter.drawText(x, y - 6, QString::fromStdString(pictureKey(kPictureTable[i])));
        }
        painter.end();
        sheet.save(dir + QStringLiteral("/pictures.png"));
    }

    auto checker = [](QImage& img) {
        QImage back(img.size(), QImage::Format_RGB32);
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x)
                back.setPixel(x, y, ((x / 4 + y / 4) % 2) ? 0xFF2080FF : 0xFF60C0FF);
        QPainter p(&back);
        p.drawImage(0, 0, img);
        return back;
    };

    const int maxWidth = 1800;
    const int zoom = 2;
    std::vector<std::pair<QString, QImage>> rows;
    for (const StripEntry& e : kStripTable) {
        QImage frames = stripImage(g.strips[stripKey(e)]);
        const QImage strip = checker(frames);
        const int fw = e.frameWidth * zoom + 4;
        const int perRow = std::max(1, (maxWidth - 10) / fw);
        for (int first = 0; first < e.frames; first += perRow) {
            const int count = std::min(perRow, e.frames - first);
            QImage row(count * fw, e.frameHeight * zoom + 18, QImage::Format_RGB32);
            row.fill(QColor(60, 60, 60));
            QPainter p(&row);
            p.setFont(font);
            p.setPen(Qt::white);
            for (int k = 0; k < count; ++k) {
                const QImage frame = strip.copy((first + k) * e.frameWidth, 0, e.frameWidth, e.frameHeight);
                p.drawImage(k * fw, 16, frame.scaled(e.frameWidth * zoom, e.frameHeight * zoom));
                p.drawText(k * fw + 2, 12,
                    first + k == 0 ? QString::fromStdString(stripKey(e)) + "  0" : QString::number(first + k));
            }
            rows.emplace_back(QString(), row);
        }
    }
    // Several sheets, each about 1800 × 1800.
    int sheetNo = 0;
    for (size_t r = 0; r < rows.size();) {
        int height = 0;
        size_t end = r;
        while (end < rows.size() && height + rows[end].second.height() + 6 < 1800)
            height += rows[end++].second.height() + 6;
        if (end == r)
            ++end;
        QImage sheet(maxWidth, height, QImage::Format_RGB32);
        sheet.fill(QColor(40, 40, 40));
        QPainter p(&sheet);
        int y = 0;
        for (size_t k = r; k < end; ++k) {
            p.drawImage(5, y, rows[k].second);
            y += rows[k].second.height() + 6;
        }
        p.end();
        sheet.save(dir + QStringLiteral("/strips-%1.png").arg(++sheetNo));
        r = end;
    }
    return 0;
}

// One picture at full size, or one strip enlarged, as PNG (JPEG pictures after their JPEG round
// trip, so that what is seen is what the program shows).
int viewOne(const std::string& key, int zoom, const QString& path)
{
    if (const PictureEntry* e = findPicture(key)) {
        const QImage img = QImage::fromData(jpegBytes(renderPicture(*e)), "JPG");
        return img.scaled(img.width() * zoom, img.height() * zoom).save(path) ? 0 : 1;
    }
    for (const StripFamily& f : stripFamilies()) {
        StripSet set;
        f.make(set);
        const auto it = set.find(key);
        if (it != set.end()) {
            const QImage img = stripImage(it->second);
            return img.scaled(img.width() * zoom, img.height() * zoom).save(path) ? 0 : 1;
        }
    }
    std::fprintf(stderr, "wb-picgen: no picture or strip %s\n", key.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--contact-sheet") {
        // Text needs a font database, which needs a (headless) application.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return contactSheets(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 3 && std::string(argv[1]) == "--synthesis-sheet") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        if (writeSynthesisSheets(QString::fromLocal8Bit(argv[2])))
            return 0;
        std::fprintf(stderr, "wb-picgen: cannot write the sheets into %s\n", argv[2]);
        return 1;
    }
    if (argc == 5 && std::string(argv[1]) == "--view")
        return viewOne(argv[2], std::max(1, std::atoi(argv[3])), QString::fromLocal8Bit(argv[4]));
    if (argc >= 3 && std::string(argv[1]) == "--timings")
        return writeAll(QString::fromLocal8Bit(argv[2]), true, {});
    if (argc >= 2 && argv[1][0] != '-') {
        QStringList expected;
        for (int i = 2; i < argc; ++i)
            expected << QString::fromLocal8Bit(argv[i]);
        return writeAll(QString::fromLocal8Bit(argv[1]), false, expected);
    }
    std::fprintf(stderr,
        "usage: wb-picgen OUTDIR [FILE...] | --timings OUTDIR | --contact-sheet DIR | --synthesis-sheet DIR | "
        "--view KEY ZOOM OUT.png\n");
    return 2;
}
