#pragma once

#include <QObject>

#include <memory>
#include <vector>

class CTALVStatsDoc;
class Prompts;

// The open documents of the program. A new document asks every untouched new
// game (state 1) to close, so that starting over does not pile up empty games.
class CDocumentManager : public QObject
{
    Q_OBJECT

public:
    explicit CDocumentManager(QObject* parent = nullptr);
    ~CDocumentManager() override;

    // The New command. Returns the new document.
    CTALVStatsDoc* newDocument(Prompts& prompts);
    // Opens a file in a document of its own; null (with the reader's message in
    // error) when the file cannot be read.
    CTALVStatsDoc* openDocument(const QString& path, Prompts& prompts, QString* error = nullptr);
    // Closes a document after its save question; false when the user kept it.
    bool closeDocument(CTALVStatsDoc* document, Prompts& prompts);
    // Closes all (the program ends); false when one was kept open.
    bool closeAll(Prompts& prompts);

    const std::vector<std::unique_ptr<CTALVStatsDoc>>& documents() const { return documents_; }

Q_SIGNALS:
    void documentAdded(CTALVStatsDoc* document);
    void documentClosing(CTALVStatsDoc* document);

private:
    CTALVStatsDoc* add(std::unique_ptr<CTALVStatsDoc> document, Prompts& prompts);

    std::vector<std::unique_ptr<CTALVStatsDoc>> documents_;
};
