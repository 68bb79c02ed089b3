#include "ImageFiles.h"

#include "core/base/Prompts.h"
#include "core/base/Texts.h"
#include "core/files/DocumentFields.h"
#include "core/files/DocumentPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageWriter>
#include <QPainter>

#include <gif_lib.h>

#include <algorithm>
#include <vector>

namespace ImageFiles {

namespace {

constexpr int kSaveFailedText = 5030;
// Beyond this many pixels (256 MB at 32 bits) an image counts as not creatable,
// so that a mistyped resolution fails instead of exhausting memory.
constexpr qint64 kMaxPixels = qint64(1) << 26;
// With more colours than the palette holds: this many of the most frequent ones
// are kept exactly, the rest of a 256-colour palette is a 6x6x6 cube.
constexpr int kCubeLevels = 6;
constexpr int kCubeSize = kCubeLevels * kCubeLevels * kCubeLevels;

enum class Encoding
{
    None,
    Png,
    Jpeg,
    Gif
};

Encoding encodingOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return Encoding::Png;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return Encoding::Jpeg;
    if (suffix == QLatin1String("gif"))
        return Encoding::Gif;
    return Encoding::None;
}

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

int nearest(QRgb colour, const QList<QRgb>& palette)
{
    int best = 0;
    int bestDistance = distance(colour, palette[0]);
    for (int i = 1; i < palette.size() && bestDistance > 0; ++i) {
        const int d = distance(colour, palette[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

bool writeGif(const QImage& indexed, const QString& path, QString* error)
{
    QList<QRgb> table = indexed.colorTable();
    int count = 2; // a GIF colour map holds a power of two, 2 to 256
    while (count < table.size())
        count *= 2;
    std::vector<GifColorType> colours(std::size_t(count), GifColorType{0, 0, 0});
    for (int i = 0; i < table.size(); ++i)
        colours[std::size_t(i)] = {GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])),
                                   GifByteType(qBlue(table[i]))};

    int code = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &code);
    if (!gif)
        return fail(error, QString::fromLatin1(GifErrorString(code)));
    ColorMapObject* map = GifMakeMapObject(count, colours.data());
    bool ok =
        map && EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map) != GIF_ERROR &&
        EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) != GIF_ERROR;
    std::vector<GifPixelType> line(std::size_t(indexed.width()));
    for (int y = 0; ok && y < indexed.height(); ++y) {
        const uchar* row = indexed.constScanLine(y);
        std::copy(row, row + indexed.width(), line.begin());
        ok = EGifPutLine(gif, line.data(), indexed.width()) != GIF_ERROR;
    }
    QString reason = ok ? QString() : QString::fromLatin1(GifErrorString(gif->Error));
    GifFreeMapObject(map); // the screen descriptor keeps its own copy
    // Closing frees the handle whatever it reports; a full disk shows here.
    if (EGifCloseFile(gif, &code) == GIF_ERROR && ok) {
        ok = false;
        reason = QString::fromLatin1(GifErrorString(code));
    }
    if (!ok) {
        QFile::remove(path);
        return fail(error, reason);
    }
    return true;
}

} // namespace

QString saveFilter()
{
    return QStringLiteral("PNG format (*.png);;JPG format (*.jpg);;GIF format (*.gif)");
}

QString defaultSuffix()
{
    return QStringLiteral("png");
}

QString suggestedFolder(const DocumentFields& fields)
{
    // The same folder as the game files; every missing level is made, so the
    // dialog opens there.
    return DocumentPaths::gamesFolderFor(fields.Competition.Id, fields.Competition.Text,
                                         fields.Event.Text, true);
}

QString suggestedPath(const QString& baseName, const DocumentFields& fields, const QDateTime& now)
{
    return suggestedFolder(fields) + baseName + now.toString(QStringLiteral("_yyyyMMddHHmmss"));
}

QString withDefaultExtension(const QString& path)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path + (path.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".")) +
           defaultSuffix();
}

bool depthUsable(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        return true;
    default:
        return false;
    }
}

QImage newImage(QSize size, int bitsPerPixel)
{
    if (!depthUsable(bitsPerPixel) || size.isEmpty() ||
        qint64(size.width()) * size.height() > kMaxPixels)
        return {};
    // Drawn at full colour; the depth applies when the image is written.
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (!image.isNull())
        image.fill(Qt::white);
    return image;
}

QImage quantised(const QImage& image, int maxColours)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    maxColours = std::clamp(maxColours, 2, 256);

    // Colour frequencies, counted by runs: drawings are mostly flat areas.
    QHash<QRgb, qint64> counts;
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width();) {
            const QRgb colour = row[x] | 0xff000000u;
            int end = x + 1;
            while (end < source.width() && (row[end] | 0xff000000u) == colour)
                ++end;
            counts[colour] += end - x;
            x = end;
        }
    }
    std::vector<std::pair<qint64, QRgb>> byFrequency;
    byFrequency.reserve(std::size_t(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byFrequency.emplace_back(it.value(), it.key());
    // Most frequent first; equal counts by colour, so the palette is reproducible.
    std::sort(byFrequency.begin(), byFrequency.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });

    QList<QRgb> palette;
    if (int(byFrequency.size()) <= maxColours) {
        for (const auto& entry : byFrequency)
            palette.append(entry.second);
    } else {
        const int exact = maxColours >= 256 ? maxColours - kCubeSize : maxColours;
        for (int i = 0; i < exact; ++i)
            palette.append(byFrequency[std::size_t(i)].second);
        if (maxColours >= 256) {
            for (int r = 0; r < kCubeLevels; ++r)
                for (int g = 0; g < kCubeLevels; ++g)
                    for (int b = 0; b < kCubeLevels; ++b)
                        palette.append(qRgb(r * 51, g * 51, b * 51));
        }
    }
    if (palette.isEmpty())
        palette.append(qRgb(255, 255, 255));

    QHash<QRgb, uchar> index;
    index.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        index.insert(it.key(), uchar(nearest(it.key(), palette)));

    QImage result(source.size(), QImage::Format_Indexed8);
    result.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = result.scanLine(y);
        QRgb last = 0;
        uchar lastIndex = 0;
        for (int x = 0; x < source.width(); ++x) {
            const QRgb colour = row[x] | 0xff000000u;
            if (x == 0 || colour != last) {
                last = colour;
                lastIndex = index.value(colour);
            }
            out[x] = lastIndex;
        }
    }
    return result;
}

QImage reduced(const QImage& image, int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
        return quantised(image, 1 << bitsPerPixel);
    case 16:
        return image.convertToFormat(QImage::Format_RGB16);
    default:
        return image.convertToFormat(QImage::Format_RGB32);
    }
}

bool writeImage(const QImage& image, const QString& path, int bitsPerPixel, QString* error)
{
    if (image.isNull())
        return fail(error, QStringLiteral("there is no image"));
    if (!depthUsable(bitsPerPixel))
        return fail(error,
                    QStringLiteral("%1 bits per pixel is no usable depth").arg(bitsPerPixel));
    const Encoding encoding = encodingOf(path);
    switch (encoding) {
    case Encoding::None:
        return fail(error, QStringLiteral("no image type has the extension of %1").arg(path));
    case Encoding::Gif: {
        const QImage indexed =
            bitsPerPixel <= 8 ? reduced(image, bitsPerPixel) : quantised(image, 256);
        return writeGif(indexed, path, error);
    }
    case Encoding::Png:
    case Encoding::Jpeg:
        break;
    }
    QImage out = reduced(image, bitsPerPixel);
    // The JPEG encoder takes full colour; the reduction still shows in its colours.
    if (encoding == Encoding::Jpeg)
        out = out.convertToFormat(QImage::Format_RGB32);
    QImageWriter writer(path, encoding == Encoding::Png ? "png" : "jpeg");
    if (encoding == Encoding::Jpeg)
        writer.setQuality(90); // the lines and texts stay sharp
    if (!writer.write(out))
        return fail(error, writer.errorString());
    return true;
}

int renderImage(const QString& path, QSize size, int bitsPerPixel, const Drawing& draw,
                Prompts& prompts)
{
    QImage image = newImage(size, bitsPerPixel);
    if (image.isNull())
        return 0;
    {
        QPainter painter(&image);
        draw(painter, image.rect());
    }
    if (!writeImage(image, path, bitsPerPixel, nullptr)) {
        prompts.message(Texts::get(kSaveFailedText).arg(path), Prompts::Icon::Error);
        return 0;
    }
    return 1;
}

int saveImage(const QString& baseName, const DocumentFields& fields, QSize size, int bitsPerPixel,
              const Drawing& draw, Prompts& prompts, const QDateTime& now)
{
    const QString chosen =
        prompts.askSavePath(suggestedPath(baseName, fields, now), saveFilter(), defaultSuffix());
    if (chosen.isEmpty())
        return 0;
    return renderImage(withDefaultExtension(chosen), size, bitsPerPixel, draw, prompts);
}

} // namespace ImageFiles
