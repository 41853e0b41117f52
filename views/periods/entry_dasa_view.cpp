// The period-entry dasa page: Patyayini dasa compressed into the period whose entry chart it shows.
#include <QPointer>

#include "core/calc_options.h"
#include "core/vocabulary_names.h"
#include "document/dasa_tree.h"
#include "document/document_options.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/extra_frames.h"
#include "views/periods/dasa_view.h"

namespace {

constexpr int kPatyayiniCode = 65;
constexpr int kPatyayiniYearKind = 0; // the year the compressed dasa is read in

// The dasa settings the entry dasa borrows, put back when it goes.
class BorrowedDasaSettings {
public:
    BorrowedDasaSettings()
        : m_selected(g_nSelectedDasa), m_otherFamily(g_nOtherDasaToBeDisplayed),
          m_yearKind(g_nDasaYearDefinition[kPatyayiniCode]), m_compression(g_bDasaCompression),
          m_compressionDays(g_dCompressionDays), m_cycleOffset(g_nDasaCycleOffset),
          m_cycleOffsetCode(g_nDasaCycleOffsetCode), m_cycleOffsets(g_nDasaCycleOffsetByCode),
          m_seedNameValid(g_bDasaSeedNameValid), m_seedName(g_strDasaSeedName) {}
    ~BorrowedDasaSettings() {
        g_nSelectedDasa = m_selected;
        g_nOtherDasaToBeDisplayed = m_otherFamily;
        g_nDasaYearDefinition[kPatyayiniCode] = m_yearKind;
        g_bDasaCompression = m_compression;
        g_dCompressionDays = m_compressionDays;
        g_nDasaCycleOffset = m_cycleOffset;
        g_nDasaCycleOffsetCode = m_cycleOffsetCode;
        g_nDasaCycleOffsetByCode = m_cycleOffsets;
        g_bDasaSeedNameValid = m_seedNameValid;
        g_strDasaSeedName = m_seedName;
    }
    BorrowedDasaSettings(const BorrowedDasaSettings&) = delete;
    BorrowedDasaSettings& operator=(const BorrowedDasaSettings&) = delete;

private:
    int m_selected;
    int m_otherFamily;
    int m_yearKind;
    bool m_compression;
    double m_compressionDays;
    int m_cycleOffset;
    int m_cycleOffsetCode;
    std::array<int, kDasaCodeCount + 1> m_cycleOffsets;
    bool m_seedNameValid;
    std::string m_seedName;
};

// The tree's shown level listed from the birth cycle.
CalcStatus ListShownLevel(CDasaTree& tree) {
    const BorrowedDasaSettings borrowed;
    g_nDasaCycleOffset = 0;
    return tree.ExpandPeriod();
}

} // namespace

CalcStatus ComputeEntryDasa(CTavroDoc& document) {
    CalcStatus status;
    {
        const BorrowedDasaSettings borrowed;
        g_nSelectedDasa = kPatyayiniCode;
        g_bDasaCompression = true;
        g_dCompressionDays = document.m_dEntrySpanDays;
        g_nDasaYearDefinition[kPatyayiniCode] = kPatyayiniYearKind;
        status = document.CalculateDasa();
    }
    if (!status.ok()) return status;
    return ListShownLevel(document.m_dasaTree);
}

CEntryDasaView::CEntryDasaView(QWidget* parent) : CDasaView(parent, false) {}

void CEntryDasaView::OnInitialUpdate() {
    TitleOwnWindow(*this, "Compressed Patyayini Dasa");
    const QPointer<CEntryDasaView> alive(this); // its window may be closed while an error is told
    ComputeEntryDasa();
    if (alive) CDasaView::OnInitialUpdate(); // laid out on the dasa just computed
}

void CEntryDasaView::OnUpdate(CView* sender, long hint) {
    if (UpdateHeldForPrinting()) return;
    const QPointer<CEntryDasaView> alive(this); // its window may be closed while an error is told
    ComputeEntryDasa();
    if (alive) CDasaView::OnUpdate(sender, hint);
}

void CEntryDasaView::ComputeEntryDasa() {
    CTavroDoc* document = GetDasaDocument();
    if (!document || !document->m_pCurrentChart) return;
    const CalcStatus status = ::ComputeEntryDasa(*document);
    if (status.ok()) return;
    // The window may be closed while the message is up; nothing of it is touched afterwards.
    MessageBox(this, status.error, "Error", MessageIcon::kWarning);
}

void CEntryDasaView::OnTreeNavigated() {
    if (CTavroDoc* document = GetDasaDocument()) (void)ListShownLevel(document->m_dasaTree);
}
