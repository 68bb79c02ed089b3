#pragma once

#include "DocumentFields.h"

#include "core/record/Game.h"
#include "core/record/Guidelines.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class Prompts;

// One open game: the game record, the document block of its file, the house
// display options, the guideline table and the paths of the game file and its
// tag list. Views listen to its signals; the document never calls a view.
class CTALVStatsDoc : public QObject
{
    Q_OBJECT

public:
    // An empty document: every default, a game under the settings in force and
    // the guideline table loaded. OnNewDocument or OpenDocument fill it.
    explicit CTALVStatsDoc(QObject* parent = nullptr);
    ~CTALVStatsDoc() override;

    CGame& game() { return *game_; }
    const CGame& game() const { return *game_; }
    DocumentFields& fields() { return fields_; }
    const DocumentFields& fields() const { return fields_; }
    GuidelineTable& guidelines() { return guidelines_; }
    const GuidelineTable& guidelines() const { return guidelines_; }

    // A new game: display options, colours and the last set-up values from the
    // settings, the derived path, the game date at the next full hour.
    void OnNewDocument();
    // Opens a game file (".cus", ".cub") or imports a CIS file (name ending in
    // "cis"). On failure nothing changes and the reader's message is returned.
    bool OpenDocument(const QString& path, Prompts& prompts, QString* error = nullptr);

    enum class SaveResult
    {
        Saved,
        Cancelled,
        Failed
    };
    // The Save command: a document whose file does not exist yet asks for a
    // path with the save dialog first (the derived path is the proposal).
    SaveResult Save(Prompts& prompts);
    // Save As, and Save once the path is known: an imported CIS path becomes
    // ".CUS"; the game file is replaced in one step, then the tag list written.
    // Success only when both succeed; a failure is reported and the document
    // stays modified.
    bool SaveAs(const QString& path, Prompts& prompts);
    // After every recorded shot: saves when modified and the interval is due.
    void DoAutoSave(Prompts& prompts);
    bool isAutoSaveDue() const;

    // The tag list beside the game file: 1 written or not due, 0 failed.
    int ExportTagFile();

    // The path derived again from competition, event, session, sheet and teams.
    void DerivePath();
    QString path() const { return path_; }
    void setPath(const QString& path);
    // The name of the file shown to the user: its file name, " *" when modified.
    QString title() const;

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);
    // Asks "Save changes to …?" for a modified document; false keeps it open.
    bool CanClose(Prompts& prompts);

    // Document fields besides those of the file
    QString StatusText = QStringLiteral("End  0, Stone 0");
    QString StateCaption;
    QString TagFilePath;
    qint32 AutoSaveIntervall = 1;
    qint32 DatabaseLink = 0;
    qint32 AlertOnBack = 0;
    qint32 ShowGuidelines = 1;
    qint32 ShowGraphics = 1;
    qint64 VideoStartTime = 0; // not stored in the file
    // The shot-entry view's copy of SaveTagging, while a view exists.
    std::optional<bool> ViewSaveTagging;

Q_SIGNALS:
    void modifiedChanged(bool modified);
    void titleChanged(const QString& title);
    void stateNameChanged(const QString& stateName);
    void houseViewsChanged();
    void viewsToRefresh();
    // The house views store their edited positions into the current stone.
    void positionsToStore();

private:
    std::unique_ptr<CGame> game_;
    DocumentFields fields_;
    GuidelineTable guidelines_;
    QString path_;
    bool modified_ = false;

    // Passes the game's notifications on as the document's signals.
    class Forwarder;
    std::unique_ptr<Forwarder> forwarder_;

    void adoptGame(std::unique_ptr<CGame> game);
};
