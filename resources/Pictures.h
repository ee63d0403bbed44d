// The built-in pictures: JPEG photographs of the image components and the frame strips of the
// image lists, embedded in the program and decoded once, when first asked for.
#pragma once

#include "resources/PictureTable.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

namespace wb::pictures {

// The picture "<Form>.<Component>" (e.g. "FormMenue.ImageHinter"), decoded by libjpeg to
// Format_RGB32 (the grey-scale ones too); a null image for a key not in the table.
QImage jpeg(const QString& key);

// The frames of the image list "<Form>.<List>" (e.g. "FormZuTyp1.ImageListMkBildung") side by
// side from the left, Format_ARGB32 (alpha 0 where a frame is transparent); a null image for a
// key not in the table.
QImage strip(const QString& key);

// Loaders for TImage::SetPictureLoader and TImageList::SetStripLoader. A key that is not in the
// table is a programmer error: the program stops at once rather than show a blank picture later.
std::function<QImage()> jpegLoader(const QString& key);
std::function<QImage()> stripLoader(const QString& key);

// A component's own picture, keyed "<Form>.<Component>" from the names it was declared with:
// `pictures::assignJpeg(ImageMart)` for an image, `pictures::assignStrip(ImageListGef)` for an
// image list.
template <class Image> void assignJpeg(Image& image)
{
    image.SetPictureLoader(jpegLoader(image.Owner()->Name() + QLatin1Char('.') + image.Name()));
}
template <class ImageList> void assignStrip(ImageList& list)
{
    list.SetStripLoader(stripLoader(list.Owner()->Name() + QLatin1Char('.') + list.Name()));
}

// The embedded JPEG file itself, as stored.
QByteArray jpegData(const QString& key);

// Every key of the table, in table order.
QStringList pictureKeys();
QStringList stripKeys();

// Writes every picture as "<Form>.<Component>.png" and every frame as
// "<Form>.<List>.<frame>.png" (frames from 0) into dir, which is created if need be. On failure
// returns false and, if error is given, says which file could not be written.
bool exportAll(const QString& dir, QString* error);

// Bytes of decoded pixels held by the cache, and emptying it (for the benchmark).
qint64 decodedBytes();
void clearCache();

} // namespace wb::pictures
