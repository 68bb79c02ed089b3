#include "Guidelines.h"

#include "core/base/Cp1252.h"
#include "core/base/ProgramFolder.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"

#include <QFile>

#include <algorithm>

namespace {

// Longest line kept from a guideline file; the rest of a longer line is skipped.
constexpr qint64 kMaxLineBytes = 64 * 1024;

// Reads one line of an 8-bit file as the platform's text mode does: the line end
// (LF, CR LF) removed, text after a NUL byte dropped. False at the end of the file.
// The buffer is reused from line to line.
bool readLine(QFile& file, QByteArray& buffer, QString& line)
{
    if (file.atEnd())
        return false;
    buffer.resize(kMaxLineBytes + 2);
    const qint64 length = file.readLine(buffer.data(), buffer.size());
    if (length < 0)
        return false;
    QByteArrayView bytes(buffer.constData(), length);
    if (!bytes.endsWith('\n')) { // cut off: skip the rest of the line
        char c = 0;
        while (file.getChar(&c) && c != '\n') {
        }
    }
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    bytes = bytes.first(std::min<qsizetype>(bytes.size(), kMaxLineBytes));
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        bytes.truncate(nul);
    line = Cp1252::decode(bytes);
    return true;
}

QString withLineBreaks(const QString& field)
{
    QString text = field;
    return text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}

enum Language
{
    English,
    German,
    French,
    Italian
};

struct BuiltInTexts
{
    const char* titleWord;
    const char* lastStoneWord;
    const char* scoreWord;
    const char* throughCaption;
    const char* handleCaptions[6];
    const char* bonusOn;
    const char* bonusOff;
    const char* notConsidered;
};

// clang-format off
const BuiltInTexts kBuiltIn[] = {
    {"Guidelines for ", "last stone", "score", "play on purpose through the house",
     {"clockwise\r\n- In-turn for right handed players\r\n- Out-turn for left handed players",
      "counter clockwise\r\n- Out-turn for right handed players\r\n- In-turn for left handed players",
      "clockwise\r\n  inside to outside", "counter clockwise\r\n  inside to outside",
      "clockwise\r\n  outside to inside", "counter clockwise\r\n  outside to inside"},
     "5 (bonus point)", "No Bonus Points (use 4 - see Preferences)",
     "X (not considered for statistics)"},
    {"Richtlinien für", "letzter Stein", "Spielstand", "absichtlich durchs Haus spielen",
     {"Uhrzeigersinn\r\n- In-turn für Rechthänder\r\n- Out-turn für Linkshänder",
      "Gegenuhrzeigersinn\r\n- Out-turn für Rechtshänder\r\n- In-turn für Linkshänder",
      "Uhrzeigersinn\r\n  von innen nach aussen", "Gegenuhrzeigersinn\r\n  von innen nach aussen",
      "Uhrzeigersinn\r\n  von aussen nach innen", "Gegenuhrzeigersinn\r\n  von aussen nach innen"},
     "5 (Bonus Punkt)", "Bonus Punkte ausgeschaltet (s. Einstellungen)",
     "X (nicht berücksichtigt in der Statistik)"},
    {"Instructions pour", "dernière pierre", "résultat", "à travers la maison (exprès)",
     {"à droite\r\n- In-turn pour droitier\r\n- Out-turn pour gaucher",
      "à gauche\r\n- Out-turn pour droitier\r\n- In-turn pour gaucher",
      "à droite\r\n  l'intérieur vers l'extérieur", "à gauche\r\n  l'intérieur vers l'extérieur",
      "à droite\r\n  l'extérieur vers l'intérieur", "à gauche\r\n  l'extérieur vers l'intérieur"},
     "5 (point bonus)", "Pas de points bonus (voir Préférences)",
     "X (ne pas pris en compte pour statistique)"},
    {"Istruzioni per", "ultimo sasso", "resultato", "Giocare intenzionalmente attraverso tutto il campo",
     {"senso orario\r\n- In-turn per destrimano\r\n- Out-turn per mancino",
      "senso anti-orario\r\n- Out-turn per destrimano\r\n- In-turn per mancino",
      "senso orario\r\n  all'esterno", "senso anti-orario\r\n  all'esterno",
      "senso orario\r\n  all'interno", "senso anti-orario\r\n  all'interno"},
     "5 (punto bonus)", "punto bonus non possibile (-> Preferences)",
     "X (non considerato)"},
};
// clang-format on

Language languageOf(const QString& code)
{
    if (code == QLatin1String("GER"))
        return German;
    if (code == QLatin1String("FRA"))
        return French;
    if (code == QLatin1String("ITA"))
        return Italian;
    return English;
}

} // namespace

QString GuidelineTable::fileName(const QString& language)
{
    return QStringLiteral("Guidelines-") + language + QStringLiteral(".txt");
}

void GuidelineTable::LoadGuidelines()
{
    const QString language = Settings::read(Key::Preferences::LanguageGuidelines);
    const bool bonus = Settings::read(Key::Options::AllowBonusPoints) != 0;
    LoadGuidelines(language, bonus, ProgramFolder::locate(fileName(language)));
}

void GuidelineTable::LoadGuidelines(const QString& language, bool allowBonusPoints,
                                    const QString& filePath)
{
    readFile(filePath);
    setFixedShortCodes();
    setBuiltInTexts(language, allowBonusPoints);
}

void GuidelineTable::readFile(const QString& filePath)
{
    QFile file(filePath);
    if (filePath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    QByteArray buffer;
    QString line;
    for (int i = 0; i < HeaderLines; ++i)
        readLine(file, buffer, line);
    for (int i = 0; i < FileTasks; ++i) {
        CGuideline& record = records_[std::size_t(i)];
        if (!readLine(file, buffer, line)) {
            record.ShortCode.clear(); // the record at which the file ends
            return;
        }
        record.ShortCode = withLineBreaks(line);
        QString* fields[] = {&record.Caption, &record.NormalText, &record.LastStoneText,
                             &record.AheadText, &record.BehindText};
        for (QString* field : fields)
            *field = readLine(file, buffer, line) ? withLineBreaks(line) : QString();
    }
}

void GuidelineTable::setFixedShortCodes()
{
    records_[11].ShortCode = QStringLiteral("->");
    const char* handleCodes[] = {"I", "O", "I_i-o", "O_i-o", "I_o-i", "O_o-i"};
    for (int i = 0; i < 6; ++i)
        records_[std::size_t(FirstHandle + i)].ShortCode = QLatin1String(handleCodes[i]);
}

void GuidelineTable::setBuiltInTexts(const QString& language, bool allowBonusPoints)
{
    const BuiltInTexts& t = kBuiltIn[languageOf(language)];
    records_[0].TitleWord = QString::fromUtf8(t.titleWord);
    records_[0].LastStoneWord = QString::fromUtf8(t.lastStoneWord);
    records_[0].ScoreWord = QString::fromUtf8(t.scoreWord);
    records_[11].Caption = QString::fromUtf8(t.throughCaption);
    for (int i = 0; i < 6; ++i)
        records_[std::size_t(FirstHandle + i)].Caption = QString::fromUtf8(t.handleCaptions[i]);
    records_[BonusPoint].Caption = QString::fromUtf8(allowBonusPoints ? t.bonusOn : t.bonusOff);
    records_[NotConsidered].Caption = QString::fromUtf8(t.notConsidered);
}
