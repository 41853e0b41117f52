#include "core/search_progress.h"

namespace {
CSearchProgress* g_pSearchProgress = nullptr; // the watcher of the running search
} // namespace

CScopedSearchProgress::CScopedSearchProgress(CSearchProgress& watcher) : m_previous(g_pSearchProgress) {
    g_pSearchProgress = &watcher;
}

CScopedSearchProgress::~CScopedSearchProgress() {
    g_pSearchProgress = m_previous;
}

CalcStatus SearchStep() {
    if (g_pSearchProgress != nullptr && !g_pSearchProgress->Continue())
        return CalcStatus::Failure(kSearchCancelledMessage);
    return {};
}
