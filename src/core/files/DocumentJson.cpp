#include "DocumentJson.h"

#include "DocumentFields.h"

#include "core/record/GameJson.h"

namespace {

QJsonObject idStringJson(const CIDString& value)
{
    return {{QStringLiteral("Id"), value.Id}, {QStringLiteral("Text"), value.Text}};
}

} // namespace

QJsonObject documentToJson(const DocumentFields& f, const CGame& game)
{
    const QJsonObject colors{
        {QStringLiteral("Ice"), f.Ice},          {QStringLiteral("Lines"), f.Lines},
        {QStringLiteral("6Feet"), f.Feet6},      {QStringLiteral("4Feet"), f.Feet4},
        {QStringLiteral("2Feet"), f.Feet2},      {QStringLiteral("Tee"), f.Tee},
        {QStringLiteral("Dark"), f.Dark},        {QStringLiteral("Light"), f.Light},
        {QStringLiteral("IceAlert"), f.IceAlert}};
    return {{QStringLiteral("FileVersion"), f.FileVersion},
            {QStringLiteral("City"), f.City},
            {QStringLiteral("GameDate"), QJsonObject{{QStringLiteral("Status"), f.GameDate.Status},
                                                     {QStringLiteral("Value"), f.GameDate.Value}}},
            {QStringLiteral("Scorer1"), f.Scorer1},
            {QStringLiteral("Scorer2"), f.Scorer2},
            {QStringLiteral("OldLineSize"), f.OldLineSize},
            {QStringLiteral("FirstEndDirection"), f.FirstEndDirection},
            {QStringLiteral("ShowBroom"), f.ShowBroom},
            {QStringLiteral("ShowTarget"), f.ShowTarget},
            {QStringLiteral("Colors"), colors},
            {QStringLiteral("SavedSecondId1"), f.SavedSecondId1},
            {QStringLiteral("SavedSecondId2"), f.SavedSecondId2},
            {QStringLiteral("Competition"), idStringJson(f.Competition)},
            {QStringLiteral("Event"), idStringJson(f.Event)},
            {QStringLiteral("Session"), idStringJson(f.Session)},
            {QStringLiteral("Sheet"), idStringJson(f.Sheet)},
            {QStringLiteral("Game"), gameToJson(game)}};
}
