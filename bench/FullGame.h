#pragma once

// A full game for the benchmarks: 20 ends, every stone with texts, two tags
// and all 18 positions, finished.
#include "core/files/DocumentFields.h"
#include "core/record/Game.h"

inline void fillFullGame(DocumentFields& doc, CGame& game)
{
    doc.City = QStringLiteral("Zürich");
    doc.Scorer1 = QStringLiteral("First scorer");
    doc.Scorer2 = QStringLiteral("Second scorer");
    game.GameState = 8;
    game.setRecordingPosition({CGame::EndCount - 1, 3, 1, 1});
    game.setCurrentPosition(game.recordingPosition());
    game.setMisPosition({12, 3, 1, 1});
    game.MisLabel = QStringLiteral("Last stone");
    for (int e = 0; e < CGame::EndCount; ++e) {
        CEnd& end = game.Ends[std::size_t(e)];
        end.EndStartTime = 1700000000 + e * 900;
        end.EndScore = {e % 3, (e + 1) % 2};
        for (int i = 0; i < CEnd::StoneCount; ++i) {
            CStone& s = end.Stones[std::size_t(i)];
            s.Task = i % 11;
            s.Handle = i % 2;
            s.Points = i % 5;
            s.Remark = QStringLiteral("Remark of stone %1 in end %2").arg(i).arg(e);
            s.Comment = QStringLiteral("A longer comment on how stone %1 was played").arg(i);
            s.DeliveryTime = end.EndStartTime + i * 45;
            for (int k = 0; k < CStone::PositionCount; ++k)
                s.Positions[std::size_t(k)] = {100 + 37 * k, 2000 + 11 * i};
            s.Tags = {{s.DeliveryTime, 12, QStringLiteral("Draw"), QStringLiteral("Good")},
                      {s.DeliveryTime + 20, 8, QStringLiteral("Sweep"), QStringLiteral("Hard")}};
        }
    }
}

struct FullGame
{
    FullGame() : game(NewGameOptions{}) { fillFullGame(doc, game); }
    DocumentFields doc;
    CGame game;
};
