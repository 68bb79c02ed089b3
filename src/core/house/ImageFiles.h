#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class Prompts;
class QPainter;
struct DocumentFields;

// Saving drawings as image files: the house view's image, the analysis image
// and the diagram all propose their names, ask and write through here.
namespace ImageFiles {

// The save dialog's file types and the extension a typed name without one gets.
QString saveFilter();
QString defaultSuffix();

// Setup/Path (or the games folder), then the competition when it has an id and
// the event, each ending in a separator. The folder is made when missing; a
// failure is left to the save dialog.
QString suggestedFolder(const DocumentFields& fields);
// Folder, base name and "_yyyyMMddHHmmss" of now, without extension.
QString suggestedPath(const QString& baseName, const DocumentFields& fields, const QDateTime& now);
// A name without extension gets ".png".
QString withDefaultExtension(const QString& path);

// Whether an off-screen image of that many bits per pixel can be made: 1, 4, 8,
// 16, 24 or 32.
bool depthUsable(int bitsPerPixel);
// An image to draw on (white); null when the depth is unusable or the size
// cannot be allocated.
QImage newImage(QSize size, int bitsPerPixel);

// Reduces the image to the depth, then encodes it by the path's extension (png,
// jpg or jpeg, gif). False with a reason when it cannot be written.
bool writeImage(const QImage& image, const QString& path, int bitsPerPixel, QString* error);
// The image as the depth keeps it: at most 2^bits colours for 1, 4 and 8 bits
// (Indexed8), 16 bits as RGB565, else 32-bit RGB.
QImage reduced(const QImage& image, int bitsPerPixel);
// At most maxColours colours in an Indexed8 image; the colours of flat areas are
// kept exactly, the rest mapped to the nearest palette colour.
QImage quantised(const QImage& image, int maxColours);

using Drawing = std::function<void(QPainter&, const QRect&)>;

// Draws into a new image and saves it under the path: 1 when saved, 0 when the
// image cannot be made (no message) or saving fails (message 5030 with the path).
int renderImage(const QString& path, QSize size, int bitsPerPixel, const Drawing& draw,
                Prompts& prompts);
// The save-image command: proposes a name, asks, then renders. 0 when cancelled.
int saveImage(const QString& baseName, const DocumentFields& fields, QSize size, int bitsPerPixel,
              const Drawing& draw, Prompts& prompts,
              const QDateTime& now = QDateTime::currentDateTime());

} // namespace ImageFiles
