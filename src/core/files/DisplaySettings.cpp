#include "DisplaySettings.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"

namespace {

qint32 colour(const ColorKey& key)
{
    return qint32(Settings::readColor(key));
}

} // namespace

void readDisplaySettings(DocumentFields& doc)
{
    doc.OldLineSize = Settings::read(Key::Options::OldLineSize);
    doc.FirstEndDirection = Settings::read(Key::Options::FirstEndDirection);
    doc.ShowBroom = Settings::read(Key::Options::ShowBroom);
    doc.ShowTarget = Settings::read(Key::Options::ShowTarget);
    doc.ShowRotate = Settings::read(Key::Options::ShowRotate);
    doc.RotateRight = Settings::read(Key::Options::RotateRight);
    if (doc.ShowRotate != 0 && doc.RotateRight != 0)
        doc.FirstEndDirection = 1;

    doc.Ice = colour(Key::Colors::Ice);
    doc.Lines = colour(Key::Colors::Lines);
    doc.Feet6 = colour(Key::Colors::SixFeet);
    doc.Feet4 = colour(Key::Colors::FourFeet);
    doc.Feet2 = colour(Key::Colors::TwoFeet);
    doc.Tee = colour(Key::Colors::Tee);
    doc.Dark = colour(Key::Colors::Dark);
    doc.Light = colour(Key::Colors::Light);
    doc.IceAlert = colour(Key::Colors::IceAlert);
}
