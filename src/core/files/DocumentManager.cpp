#include "DocumentManager.h"

#include "Document.h"

#include <algorithm>

CDocumentManager::CDocumentManager(QObject* parent) : QObject(parent) {}

CDocumentManager::~CDocumentManager() = default;

CTALVStatsDoc* CDocumentManager::add(std::unique_ptr<CTALVStatsDoc> document, Prompts& prompts)
{
    // Untouched new games give way to the new document.
    std::vector<CTALVStatsDoc*> untouched;
    for (const auto& open : documents_) {
        if (open->game().GameState == 1)
            untouched.push_back(open.get());
    }
    for (CTALVStatsDoc* open : untouched)
        closeDocument(open, prompts);
    documents_.push_back(std::move(document));
    Q_EMIT documentAdded(documents_.back().get());
    return documents_.back().get();
}

CTALVStatsDoc* CDocumentManager::newDocument(Prompts& prompts)
{
    auto document = std::make_unique<CTALVStatsDoc>();
    document->OnNewDocument();
    return add(std::move(document), prompts);
}

CTALVStatsDoc* CDocumentManager::openDocument(const QString& path, Prompts& prompts, QString* error)
{
    auto document = std::make_unique<CTALVStatsDoc>();
    if (!document->OpenDocument(path, prompts, error))
        return nullptr;
    return add(std::move(document), prompts);
}

bool CDocumentManager::closeDocument(CTALVStatsDoc* document, Prompts& prompts)
{
    const auto found = std::find_if(documents_.begin(), documents_.end(),
                                    [&](const auto& open) { return open.get() == document; });
    if (found == documents_.end() || !document->CanClose(prompts))
        return false;
    Q_EMIT documentClosing(document);
    documents_.erase(found);
    return true;
}

bool CDocumentManager::closeAll(Prompts& prompts)
{
    while (!documents_.empty()) {
        if (!closeDocument(documents_.back().get(), prompts))
            return false;
    }
    return true;
}
