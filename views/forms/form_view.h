#pragma once
// CFormView: the base of the form panes through which the user casts the charts of the modes. A form
// is a page of labels, edit boxes, lists and buttons that scrolls inside its pane; the page and its
// controls take the four form colours (ColorFornView...), read again at every update, so a colour
// change shows at once. What every form shares is here: its document and the updates it hears, the
// range-checked fields, "Back to Natal Chart" (enabled only while a mode other than natal is on),
// the reset of the birth-time history before a chart is cast, the links to other panes, and the
// progress window of a search that can run long.
#include <QProgressDialog>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/calc_status.h"
#include "core/search_progress.h"
#include "platform/view.h"
#include "views/info/pane_support.h"

class QBoxLayout;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class CMomentFields;
class CTavroDoc;

// Setting numbers of the form colours (shell/color_settings_table.cpp).
enum FormColor {
    kColorFormBackground = 17,
    kColorFormText = 18,
    kColorFormControlBackground = 19,
    kColorFormControlText = 20,
};

// The progress window of a long search: installed as the search's watcher while it lives. It appears
// only when the search takes longer than a moment, keeps the program answering meanwhile, and stops the
// search when the user presses Cancel (the search then fails with kSearchCancelledMessage).
class CSearchProgressDialog : public CSearchProgress {
public:
    // `what` is the window's text ("Searching for the transit ..."); the window appears after
    // `showAfterMs` milliseconds of searching.
    CSearchProgressDialog(QWidget* parent, const std::string& what, int showAfterMs = 400);
    bool Continue() override;
    QProgressDialog& Dialog() { return m_dialog; }

private:
    QProgressDialog m_dialog;
    CScopedSearchProgress m_installed{*this};
    std::int64_t m_started;
    std::int64_t m_lastLook = 0;
    int m_showAfterMs;
};

class CFormView : public CView {
public:
    explicit CFormView(QWidget* parent = nullptr);

    CTavroDoc* Document() const;

    // Registers with the document, then loads the fields.
    void OnInitialUpdate() override;
    // Unless a print job is drawing: the colours again, the fields the form reloads on updates, and
    // "Back to Natal Chart" enabled by the mode.
    void OnUpdate(CView* sender, long hint) override;
    // The form's background (the page covers the pane; this shows on paper and past the page).
    void OnDraw(DrawSurface& surface) override;

    // The page the form's controls stand on.
    QWidget* Page() const { return m_page; }
    // The page's size: where its tab has the room, a form shows all its controls without scrolling.
    QSize WholeContentSize() const override;
    // The form's button of that caption; null when it has none. Tests press buttons by their caption.
    QPushButton* Button(const QString& caption) const;

protected:
    // Fields reloaded on every update that is not part of printing (the shared transit moment ...).
    virtual void LoadFields() {}

    // --- Building the page ------------------------------------------------------------------------
    QPushButton* MakeButton(const QString& caption, std::function<void()> action);
    // "Back to Natal Chart": the document back in natal mode; enabled while another mode is on.
    QPushButton* MakeBackToNatalButton();
    QLabel* MakeLabel(const QString& text);
    QLineEdit* MakeEdit(int widthInCharacters = 6);
    QComboBox* MakeList(const std::vector<std::string>& items);
    // Lays `widgets` out in one row (stretch at the end) and returns it for more.
    QBoxLayout* Row(std::initializer_list<QWidget*> widgets);

    // --- Acting -----------------------------------------------------------------------------------
    // A chart-casting button's first step: the birth-time history starts again from the natal moment,
    // as for a new chart.
    void ResetBirthTimeHistory();
    // The start of a button that casts at the moment typed in `fields`: the history started again and
    // the moment stored in g_transitMoment. The document; null when the pane has none or a field is
    // refused (the refusal is told, g_transitMoment left as it was).
    CTavroDoc* StartCastingAtTypedMoment(const CMomentFields& fields);
    // Tells the user of a calculation that failed (caption "Error"); a cancelled search says nothing.
    void Report(const CalcStatus& status);
    // Runs `search` with the progress window; reports its failure.
    void RunSearch(const std::string& what, const std::function<CalcStatus()>& search);
    // Shows the pane of layout node `node`.
    void ActivateNode(unsigned node);
    // Shows the first pane of the layout whose class is `className` (whatever is registered for it).
    void ActivatePaneOfClass(const std::string& className);
    // A dasa link: the dasa page of `pageNode` shows dasa `code` (remembered in `familyChoice`) from
    // its top level, calculated; every view updated.
    void ShowDasa(unsigned pageNode, int& familyChoice, int code);

    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void ApplyColors();
    void PlacePage();

    QWidget* m_page;
    std::vector<QPushButton*> m_backToNatal;
    CPaneUpdateLink m_updateLink{*this};
};
