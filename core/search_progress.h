#pragma once
// Long searches (transit search, returns, stations, ingresses) ask at every position they look at
// whether to go on. The window that starts one installs a watcher for the search's run: it shows the
// progress and lets the user stop it. A stopped search fails with kSearchCancelledMessage, so its
// caller leaves the charts as they were, as for any search that fails.
#include "core/calc_status.h"

inline constexpr const char* kSearchCancelledMessage = "The search was cancelled.";

class CSearchProgress {
public:
    virtual ~CSearchProgress() = default;
    // Called at every position a search looks at; false stops the search.
    virtual bool Continue() = 0;
};

// Installs `watcher` while it lives and puts back the one before it.
class CScopedSearchProgress {
public:
    explicit CScopedSearchProgress(CSearchProgress& watcher);
    ~CScopedSearchProgress();
    CScopedSearchProgress(const CScopedSearchProgress&) = delete;
    CScopedSearchProgress& operator=(const CScopedSearchProgress&) = delete;

private:
    CSearchProgress* m_previous;
};

// Empty while the search may go on (no watcher installed, or it says so); the cancellation otherwise.
CalcStatus SearchStep();
