#include "Pictures.h"

#include <QDir>
#include <QResource>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <map>
#include <mutex>

namespace wb::pictures {

namespace {

QString resourcePath(const QString& file)
{
    return QStringLiteral(":/pictures/") + file;
}

// The embedded file. The pictures are stored uncompressed, so this is the resource's own
// memory, not a copy.
QByteArray readResource(const QString& file)
{
    const QResource r(resourcePath(file));
    if (!r.isValid())
        return {};
    if (r.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(r.data()), static_cast<qsizetype>(r.size()));
    return r.uncompressedData();
}

// libjpeg reports errors by calling error_exit, which must not return; jump back to the
// decoder instead of ending the program.
struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void jpegErrorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<JpegError*>(cinfo->err)->jump, 1);
}

// Decodes straight into the 32-bit pixels of a QImage: libjpeg-turbo writes B, G, R, 0xFF in
// memory order, which is Format_RGB32 on a little-endian machine (X, R, G, B on a big-endian one).
// Only C structures live in this frame, so that an error's long jump skips no destructor.
bool decodeInto(const QByteArray& data, QImage* out)
{
    jpeg_decompress_struct cinfo {};
    JpegError err {};
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegErrorExit;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(
        &cinfo, reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    cinfo.out_color_space = JCS_EXT_BGRA;
#else
    cinfo.out_color_space = JCS_EXT_ARGB;
#endif
    jpeg_start_decompress(&cinfo);
    *out = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), QImage::Format_RGB32);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

QImage decodeJpeg(const QByteArray& data)
{
    QImage image;
    if (data.isEmpty() || !decodeInto(data, &image))
        return {};
    return image;
}

// Decoded pictures by key; the program draws from one thread, the lock only keeps a benchmark
// or test that loads from several threads safe.
struct Cache {
    std::mutex mutex;
    std::map<QString, QImage> images;
};

Cache& cache()
{
    static Cache c;
    return c;
}

template <typename Decode> QImage cached(const QString& key, Decode decode)
{
    Cache& c = cache();
    {
        std::lock_guard lock(c.mutex);
        const auto it = c.images.find(key);
        if (it != c.images.end())
            return it->second;
    }
    const QImage image = decode();
    std::lock_guard lock(c.mutex);
    return c.images.emplace(key, image).first->second;
}

} // namespace

QImage jpeg(const QString& key)
{
    if (!findPicture(key.toStdString()))
        return {};
    return cached(
        QStringLiteral("jpeg:") + key, [&] { return decodeJpeg(readResource(key + QStringLiteral(".jpg"))); });
}

QImage strip(const QString& key)
{
    if (!findStrip(key.toStdString()))
        return {};
    return cached(QStringLiteral("strip:") + key, [&] {
        QImage img = QImage::fromData(readResource(key + QStringLiteral(".png")), "PNG");
        return img.convertToFormat(QImage::Format_ARGB32);
    });
}

std::function<QImage()> jpegLoader(const QString& key)
{
    // Checked whatever the build type, so that a mistyped key fails where it is written.
    if (!findPicture(key.toStdString()))
        qFatal("no built-in picture \"%s\"", qPrintable(key));
    return [key] { return jpeg(key); };
}

std::function<QImage()> stripLoader(const QString& key)
{
    if (!findStrip(key.toStdString()))
        qFatal("no built-in frame strip \"%s\"", qPrintable(key));
    return [key] { return strip(key); };
}

QByteArray jpegData(const QString& key)
{
    if (!findPicture(key.toStdString()))
        return {};
    QByteArray data = readResource(key + QStringLiteral(".jpg"));
    data.detach(); // the caller's own copy
    return data;
}

QStringList pictureKeys()
{
    QStringList keys;
    for (const PictureEntry& e : kPictureTable)
        keys << QString::fromStdString(pictureKey(e));
    return keys;
}

QStringList stripKeys()
{
    QStringList keys;
    for (const StripEntry& e : kStripTable)
        keys << QString::fromStdString(stripKey(e));
    return keys;
}

bool exportAll(const QString& dir, QString* error)
{
    auto fail = [&](const QString& what) {
        if (error)
            *error = what;
        return false;
    };
    if (!QDir().mkpath(dir))
        return fail(QStringLiteral("cannot create %1").arg(dir));
    const QDir out(dir);
    for (const QString& key : pictureKeys()) {
        const QString path = out.filePath(key + QStringLiteral(".png"));
        if (!jpeg(key).save(path, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }
    for (const StripEntry& e : kStripTable) {
        const QString key = QString::fromStdString(stripKey(e));
        const QImage frames = strip(key);
        for (int i = 0; i < e.frames; ++i) {
            const QString path = out.filePath(QStringLiteral("%1.%2.png").arg(key).arg(i));
            if (!frames.copy(i * e.frameWidth, 0, e.frameWidth, e.frameHeight).save(path, "PNG"))
                return fail(QStringLiteral("cannot write %1").arg(path));
        }
    }
    return true;
}

qint64 decodedBytes()
{
    Cache& c = cache();
    std::lock_guard lock(c.mutex);
    qint64 bytes = 0;
    for (const auto& [key, image] : c.images)
        bytes += image.sizeInBytes();
    return bytes;
}

void clearCache()
{
    Cache& c = cache();
    std::lock_guard lock(c.mutex);
    c.images.clear();
}

} // namespace wb::pictures
