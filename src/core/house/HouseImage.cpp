#include "HouseImage.h"

#include "HouseController.h"
#include "ImageFiles.h"

#include "core/base/Prompts.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/Document.h"

#include <QPainter>

namespace HouseImage {

namespace {

constexpr int kAnalysisTitleId = 32112;

QString marksTitle(const CGame& game)
{
    return QStringLiteral("%1: %2 - %3       %4")
        .arg(Texts::get(kAnalysisTitleId), game.Teams[0].ShortName, game.Teams[1].ShortName,
             QLatin1String(HouseOwnerMark));
}

// Inverts the document's directions for the drawing and back afterwards.
class DirectionFlip
{
public:
    DirectionFlip(CTALVStatsDoc& doc, bool active) : doc_(doc), active_(active) { flip(); }
    ~DirectionFlip() { flip(); }
    DirectionFlip(const DirectionFlip&) = delete;
    DirectionFlip& operator=(const DirectionFlip&) = delete;

private:
    void flip()
    {
        if (!active_)
            return;
        doc_.game().SheetDirection ^= 1;
        doc_.fields().FirstEndDirection = doc_.fields().FirstEndDirection != 0 ? 0 : 1;
    }
    CTALVStatsDoc& doc_;
    bool active_;
};

} // namespace

int RenderHouseImage(CHouseController& view, const ViewState& state, const QString& path,
                     Prompts& prompts)
{
    CTALVStatsDoc& doc = view.document();
    const int width = Settings::read(Key::Options::PNGResolution);
    const int bits = Settings::read(Key::Options::PNGColors);
    const bool oldStones = Settings::read(Key::Options::PNGDrawOldStones) != 0;
    if (width <= 0 || width > 20000)
        return 0; // the image cannot be made

    // Unrotated, whatever the view shows; a rotated view with RotateRight turns
    // the sheet the other way round for the image.
    const DirectionFlip flip(doc, state.rotated && doc.fields().RotateRight != 0);
    const HouseSizes sizes = HouseSizes::fromSettings();
    const CHouseGeometry geometry = CHouseGeometry::forImage(width, 2 * width, sizes.Stonesize);

    HousePositions positions = view.positions();
    const bool marks = state.marks != nullptr;
    if (!marks) {
        if (oldStones) {
            // The previous positions are those of the previous stone record.
            CGame& game = doc.game();
            const qint32 reviewMode = game.ReviewMode;
            game.ReviewMode = 1;
            view.load();
            game.ReviewMode = reviewMode;
            positions = view.positions();
            view.positions().previous = view.positions().current;
        } else {
            positions.previous = positions.current;
        }
    }
    const auto draw = [&](QPainter& painter, const QRect&) {
        HousePaintInput input{doc.game(), doc.fields(), positions};
        input.output = marks ? HouseOutput::ExportMarks : HouseOutput::ExportStones;
        input.showGraphics = true;
        input.sizes = sizes;
        input.marks = state.marks;
        input.title = marks ? marksTitle(doc.game()) : houseTitle(doc.game());
        paintHouse(painter, geometry, input);
    };
    return ImageFiles::renderImage(path, QSize(width, 2 * width), bits, draw, prompts);
}

int SaveHouseImage(CHouseController& view, const ViewState& state, const QString& baseName,
                   Prompts& prompts)
{
    const QString proposed =
        ImageFiles::suggestedPath(baseName, view.document().fields(), QDateTime::currentDateTime());
    QString path =
        prompts.askSavePath(proposed, ImageFiles::saveFilter(), ImageFiles::defaultSuffix());
    if (path.isEmpty())
        return 0;
    return RenderHouseImage(view, state, ImageFiles::withDefaultExtension(path), prompts);
}

} // namespace HouseImage
