#include "Document.h"

#include "CisImport.h"
#include "DisplaySettings.h"
#include "DocumentPaths.h"
#include "GameFile.h"
#include "TagExport.h"

#include "core/base/Prompts.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

class CTALVStatsDoc::Forwarder : public GameObserver
{
public:
    explicit Forwarder(CTALVStatsDoc& document) : document_(document) {}
    void stateNameChanged(const QString& stateName) override
    {
        document_.StateCaption = stateName;
        Q_EMIT document_.stateNameChanged(stateName);
    }
    void houseViewsChanged() override { Q_EMIT document_.houseViewsChanged(); }

private:
    CTALVStatsDoc& document_;
};

namespace {

constexpr int kNewStateTextId = 1;
constexpr int kDocumentTypeTextId = 104;

bool isCisPath(const QString& path)
{
    return path.right(3).compare(QLatin1String("cis"), Qt::CaseInsensitive) == 0;
}

DocumentPaths::GameNames namesOf(const DocumentFields& fields, const CGame& game)
{
    return {fields.Competition.Id,  fields.Competition.Text, fields.Event.Text,
            fields.Session.Text,    fields.Sheet.Text,       game.Teams[0].ShortName,
            game.Teams[1].ShortName};
}

CIDString idString(const TextKey& text, const IntKey& id)
{
    CIDString value;
    value.Text = Settings::read(text);
    value.Id = qint16(Settings::read(id));
    return value;
}

} // namespace

CTALVStatsDoc::CTALVStatsDoc(QObject* parent)
    : QObject(parent), forwarder_(std::make_unique<Forwarder>(*this))
{
    adoptGame(std::make_unique<CGame>());
    StateCaption = Texts::get(kNewStateTextId);
    guidelines_.LoadGuidelines();
}

CTALVStatsDoc::~CTALVStatsDoc() = default;

void CTALVStatsDoc::adoptGame(std::unique_ptr<CGame> game)
{
    game_ = std::move(game);
    game_->Observer = forwarder_.get();
}

void CTALVStatsDoc::OnNewDocument()
{
    readDisplaySettings(fields_);
    ShowGraphics = Settings::read(Key::Options::ShowGraphics);
    ShowGuidelines = Settings::read(Key::Options::ShowGuidelines);
    game_->SheetDirection = fields_.FirstEndDirection != 0 ? 1 : 0;

    using namespace Key::MRU;
    fields_.Competition = idString(Competition, CompetitionID);
    fields_.City = Settings::read(City);
    fields_.Event = idString(Event, EventID);
    fields_.Session = idString(Session, SessionID);
    fields_.Sheet = idString(Sheet, SheetID);
    fields_.Scorer1 = Settings::read(Scorer1);
    fields_.Scorer2 = Settings::read(Scorer2);
    AutoSaveIntervall = Settings::read(Key::Preferences::AutoSaveIntervall);
    DatabaseLink = Settings::read(Key::Preferences::SaveToDB);
    AlertOnBack = Settings::read(Key::Preferences::AlertOnBack);

    setPath(DocumentPaths::newDocumentPath(namesOf(fields_, *game_)));

    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime gameTime(now.date(), QTime(std::min(now.time().hour() + 1, 23), 0));
    fields_.GameDate = OleDate::fromDateTime(gameTime);

    StatusText = QStringLiteral("End  0, Stone 0");
    StateCaption = Texts::get(kNewStateTextId);
}

bool CTALVStatsDoc::OpenDocument(const QString& path, Prompts& prompts, QString* error)
{
    // Read into a scratch document's parts: nothing half-read becomes this one.
    DocumentFields fields;
    auto game = std::make_unique<CGame>();
    QString message;
    if (isCisPath(path)) {
        QByteArray bytes;
        if (!readGameFileBytes(path, bytes)) {
            message = QLatin1String(GameFileText::FailedToOpen);
        } else {
            const CisImportResult result = importCis(bytes, fields, *game, prompts);
            if (!result.ok)
                message = result.error;
        }
    } else {
        const GameFileReadResult result = readGameFile(path, fields, *game);
        if (!result.ok)
            message = result.error;
    }
    if (!message.isEmpty()) {
        if (error)
            *error = message;
        return false;
    }
    fields_ = fields;
    adoptGame(std::move(game));
    if (!fields_.StateCaption.isEmpty())
        StateCaption = fields_.StateCaption;
    else
        StateCaption = Texts::get(game_->GameState);
    setPath(path);
    SetModifiedFlag(false);
    Q_EMIT viewsToRefresh();
    return true;
}

CTALVStatsDoc::SaveResult CTALVStatsDoc::Save(Prompts& prompts)
{
    QString target = path_;
    if (target.isEmpty() || !QFileInfo::exists(target)) {
        // The dialog opens in the proposed folder, so the games folder exists
        // before the first save instead of the dialog falling back elsewhere.
        if (!path_.isEmpty())
            QDir().mkpath(QFileInfo(path_).absolutePath());
        const QString filter = Texts::get(kDocumentTypeTextId) + QStringLiteral(" (*.cus)");
        target = prompts.askSavePath(path_, filter, QStringLiteral("cus"));
        if (target.isEmpty())
            return SaveResult::Cancelled;
    }
    return SaveAs(target, prompts) ? SaveResult::Saved : SaveResult::Failed;
}

bool CTALVStatsDoc::SaveAs(const QString& requestedPath, Prompts& prompts)
{
    QString target = requestedPath;
    // An imported CIS file is never overwritten.
    if (target.right(4).toUpper() == QLatin1String(".CIS"))
        target = target.left(target.size() - 4) + QStringLiteral(".CUS");
    fields_.FileVersion = QLatin1String(DocumentFields::CurrentVersion);
    const GameFileWriteResult written = writeGameFile(target, fields_, *game_);
    if (!written.ok) {
        prompts.message(QLatin1String(GameFileText::FailedToSave), Prompts::Icon::Error);
        SetModifiedFlag(true);
        return false;
    }
    setPath(target);
    SetModifiedFlag(false);
    return ExportTagFile() == 1;
}

bool CTALVStatsDoc::isAutoSaveDue() const
{
    if (!modified_ || AutoSaveIntervall < 1)
        return false;
    const CGame& g = *game_;
    const bool firstStoneOfTeam1Player = g.CurrentStone == 0 && g.CurrentTeamSlot() == 0;
    if (AutoSaveIntervall == 4)
        return firstStoneOfTeam1Player;
    if (AutoSaveIntervall == 16)
        return firstStoneOfTeam1Player && g.CurrentPlayer == 0;
    return true;
}

void CTALVStatsDoc::DoAutoSave(Prompts& prompts)
{
    if (!isAutoSaveDue())
        return;
    if (Save(prompts) != SaveResult::Saved)
        SetModifiedFlag(true);
}

int CTALVStatsDoc::ExportTagFile()
{
    if (game_->GameState < 6 || modified_ || (ViewSaveTagging && !*ViewSaveTagging))
        return 1;
    TagFilePath = TagExport::tagFilePath(path_);
    TagExport::Input input{&guidelines_, &VideoStartTime,
                           Settings::read(Key::Options::CSVSeparator), QLocale()};
    // A tag list that cannot be created is not a failed save (the game is
    // written); one that fails while being written is.
    return TagExport::exportTo(TagFilePath, *game_, input) == TagExport::Result::WriteFailed ? 0
                                                                                             : 1;
}

void CTALVStatsDoc::DerivePath()
{
    const QString derived = DocumentPaths::derivedPath(namesOf(fields_, *game_), game_->GameState);
    setPath(derived);
    TagFilePath = TagExport::tagFilePath(derived);
}

void CTALVStatsDoc::setPath(const QString& path)
{
    path_ = path;
    Q_EMIT titleChanged(title());
}

QString CTALVStatsDoc::title() const
{
    const QString name = QFileInfo(path_).fileName();
    return modified_ ? name + QStringLiteral(" *") : name;
}

void CTALVStatsDoc::SetModifiedFlag(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    Q_EMIT modifiedChanged(modified);
    Q_EMIT titleChanged(title());
}

bool CTALVStatsDoc::CanClose(Prompts& prompts)
{
    if (!modified_)
        return true;
    const QString question = QStringLiteral("Save changes to %1?").arg(QFileInfo(path_).fileName());
    switch (prompts.askYesNoCancel(question, Prompts::Icon::Warning)) {
    case Prompts::Answer::Yes:
        return Save(prompts) == SaveResult::Saved;
    case Prompts::Answer::No:
        return true;
    case Prompts::Answer::Cancel:
        break;
    }
    return false;
}
