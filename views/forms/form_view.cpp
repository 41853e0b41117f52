#include "views/forms/form_view.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "core/calc_options.h"
#include "document/birth_time_undo.h"
#include "document/dasa_codes.h"
#include "document/document_state.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/color_settings.h"
#include "shell/visual_framework.h"
#include "views/forms/moment_fields.h"

namespace {

QColor ToQColor(ColorRef color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

// Milliseconds between two looks at the progress window: often enough for Cancel to answer at once,
// seldom enough not to slow the search.
constexpr std::int64_t kProgressLookMs = 40;

} // namespace

CSearchProgressDialog::CSearchProgressDialog(QWidget* parent, const std::string& what, int showAfterMs)
    : m_dialog(QString::fromStdString(what), "Cancel", 0, 0, parent),
      m_started(QDateTime::currentMSecsSinceEpoch()), m_showAfterMs(showAfterMs) {
    m_dialog.setWindowTitle("Please wait");
    m_dialog.setWindowModality(Qt::ApplicationModal);
    m_dialog.setAutoReset(false);
    m_dialog.setAutoClose(false);
    m_dialog.setMinimumDuration(0);
    m_dialog.hide(); // shown by Continue once the search has taken a while
}

bool CSearchProgressDialog::Continue() {
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    if (now - m_lastLook < kProgressLookMs) return !m_dialog.wasCanceled();
    m_lastLook = now;
    if (!m_dialog.isVisible() && now - m_started >= m_showAfterMs) m_dialog.show();
    if (m_dialog.isVisible()) QApplication::processEvents();
    return !m_dialog.wasCanceled();
}

CFormView::CFormView(QWidget* parent) : CView(parent), m_page(new QWidget(viewport())) {
    m_page->setAutoFillBackground(true);
    ApplyColors();
    IgnoreShiftCtrlWheel(); // Shift and Ctrl with the wheel belong to other panes: a form lets them pass
}

CTavroDoc* CFormView::Document() const {
    return TavroDocOf(*this);
}

void CFormView::OnInitialUpdate() {
    m_updateLink.Attach(GetDocument());
    OnUpdate(nullptr, 0);
}

void CFormView::OnUpdate(CView*, long) {
    if (UpdateHeldForPrinting()) return;
    ApplyColors();
    LoadFields();
    const CTavroDoc* document = Document();
    const bool inMode = document != nullptr && document->m_nMode != kModeNatal;
    for (QPushButton* button : m_backToNatal) button->setEnabled(inMode);
    PlacePage();
    Invalidate();
}

void CFormView::OnDraw(DrawSurface& surface) {
    surface.FillRect(GetClientRect(), g_colors[kColorFormBackground]);
}

QPushButton* CFormView::Button(const QString& caption) const {
    for (QPushButton* button : m_page->findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

void CFormView::ApplyColors() {
    QPalette palette = m_page->palette();
    palette.setColor(QPalette::Window, ToQColor(g_colors[kColorFormBackground]));
    palette.setColor(QPalette::WindowText, ToQColor(g_colors[kColorFormText]));
    palette.setColor(QPalette::ButtonText, ToQColor(g_colors[kColorFormText]));
    palette.setColor(QPalette::Base, ToQColor(g_colors[kColorFormControlBackground]));
    palette.setColor(QPalette::Text, ToQColor(g_colors[kColorFormControlText]));
    if (palette != m_page->palette()) m_page->setPalette(palette);
    QPalette back = viewport()->palette();
    back.setColor(QPalette::Base, ToQColor(g_colors[kColorFormBackground]));
    if (back != viewport()->palette()) viewport()->setPalette(back);
}

QSize CFormView::WholeContentSize() const {
    return m_page->sizeHint().expandedTo(m_page->minimumSizeHint());
}

void CFormView::PlacePage() {
    const QSize wanted = WholeContentSize();
    SetScrollSizes(Size{wanted.width(), wanted.height()});
    const QSize visible = viewport()->size();
    m_page->resize(std::max(wanted.width(), visible.width()), std::max(wanted.height(), visible.height()));
    const Point scrolled = GetScrollPosition();
    m_page->move(-scrolled.x, -scrolled.y);
}

void CFormView::resizeEvent(QResizeEvent* event) {
    CView::resizeEvent(event);
    PlacePage();
}

void CFormView::scrollContentsBy(int, int) {
    const Point scrolled = GetScrollPosition();
    m_page->move(-scrolled.x, -scrolled.y);
}

QPushButton* CFormView::MakeButton(const QString& caption, std::function<void()> action) {
    auto* button = new QPushButton(caption, m_page);
    QObject::connect(button, &QPushButton::clicked, button, [action = std::move(action)] { action(); });
    return button;
}

QPushButton* CFormView::MakeBackToNatalButton() {
    QPushButton* button = MakeButton("Back to Natal Chart", [this] {
        if (CTavroDoc* document = Document()) Report(document->OnResetToNatalMode());
    });
    m_backToNatal.push_back(button);
    return button;
}

QLabel* CFormView::MakeLabel(const QString& text) {
    auto* label = new QLabel(text, m_page);
    label->setWordWrap(false);
    return label;
}

QLineEdit* CFormView::MakeEdit(int widthInCharacters) {
    auto* edit = new QLineEdit(m_page);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance('0') * (widthInCharacters + 2) + 8);
    return edit;
}

QComboBox* CFormView::MakeList(const std::vector<std::string>& items) {
    auto* combo = new QComboBox(m_page);
    for (const std::string& item : items) combo->addItem(QString::fromStdString(item));
    return combo;
}

QBoxLayout* CFormView::Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) row->addWidget(widget);
    row->addStretch(1);
    return row;
}

void CFormView::ResetBirthTimeHistory() {
    if (CTavroDoc* document = Document()) {
        g_birthTimeUndo.Clear();
        g_birthTimeUndo.Push(document->m_natalChart.GetJulianDay());
    }
}

CTavroDoc* CFormView::StartCastingAtTypedMoment(const CMomentFields& fields) {
    CTavroDoc* document = Document();
    if (!document) return nullptr;
    ResetBirthTimeHistory();
    const auto moment = fields.Take(g_transitMoment);
    if (!moment) return nullptr;
    g_transitMoment = *moment;
    return document;
}

void CFormView::Report(const CalcStatus& status) {
    if (!status.ok() && status.error != kSearchCancelledMessage)
        MessageBox(this, status.error, "Error", MessageIcon::kError);
}

void CFormView::RunSearch(const std::string& what, const std::function<CalcStatus()>& search) {
    CalcStatus status;
    {
        CSearchProgressDialog progress(this, what);
        status = search();
    }
    Report(status);
}

void CFormView::ActivateNode(unsigned node) {
    if (g_pVisualFramework) g_pVisualFramework->ActivateNode(g_pVisualFramework->GetNode(node));
}

void CFormView::ActivatePaneOfClass(const std::string& className) {
    if (!g_pVisualFramework) return;
    for (const auto& [id, node] : g_pVisualFramework->Nodes()) {
        if (node->m_className == className && node->m_pWnd) {
            g_pVisualFramework->ActivateNode(node.get());
            return;
        }
    }
}

void CFormView::ShowDasa(unsigned pageNode, int& familyChoice, int code) {
    CTavroDoc* document = Document();
    if (!document) return;
    ActivateNode(pageNode);
    familyChoice = code;
    g_nSelectedDasa = code;
    document->m_dasaTree.nLevel = 0;
    Report(document->CalculateDasa());
    document->UpdateAllViews(nullptr);
}
