#pragma once
// "Planetary Aspect Evaluation Options": where the aspect table of the basic information pane takes
// the aspected positions and the aspecting planets from: each from the natal chart even while a
// Tajaka, Tithi Pravesha, transit or other derived chart is shown, or from the chart shown, and in
// which varga (column 0-22). Members -1 = unset; check members 0/1.
#include "shell/dialogs/member_dialog.h"

class QCheckBox;

class CAspectOptionsDlg : public CMemberDialog {
public:
    explicit CAspectOptionsDlg(QWidget* parent);

    int m_bAspectedForceNatal = -1;
    int m_nAspectedVarga = -1;
    int m_bAspectingForceNatal = -1;
    int m_nAspectingVarga = -1;

    QCheckBox* AspectedForceNatal() const { return m_aspected.forceNatal; }
    QComboBox* AspectedVarga() const { return m_aspected.varga; }
    QCheckBox* AspectingForceNatal() const { return m_aspecting.forceNatal; }
    QComboBox* AspectingVarga() const { return m_aspecting.varga; }

    // The options g_bAspectedForceNatal, g_nAspectedVarga, g_bAspectingForceNatal, g_nAspectingVarga
    // copied in, the run, and on OK copied back; true on OK.
    bool RunAndStore();

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    struct Group {
        QCheckBox* forceNatal;
        QComboBox* varga;
    };
    Group MakeGroup(const char* title, QBoxLayout* layout);

    Group m_aspected;
    Group m_aspecting;
};
