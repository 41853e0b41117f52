#pragma once
// CLaghuParasariView: the Laghu Parasari research table (laghu_parasari_table.h) of the document's
// current chart, with the menu of its settings.
#include "views/info/custom_list_view.h"

class QMenu;

class CLaghuParasariView : public CCustomListView {
public:
    explicit CLaghuParasariView(QWidget* parent = nullptr);

    // The document changed: refilled unless a print job is drawing.
    void OnUpdate(CView* sender, long hint) override;
    void OnContextMenu(QPoint screenPos) override;
    void FillContextMenu(QMenu& menu);
    // The table of the current settings: the varga's title, then "Date 1 (age)" ...
    void FillTable();

    // The menu's commands; each refills the table at once.
    void SetMode(int mode);
    // `body` the lagna added (0, 13-19), or -1 for none.
    void SetAddedLagna(int body);
    void SetMethod(int method);
    void ToggleOneCycle();
    // "Choose a divisional chart" over the vargas whose parts are equal; on OK the table's varga.
    void OnChooseVarga();
    // "What is all this?": the table's explanation.
    void OnExplain();

private:
    void RunCommand(int command);
};
