#include "shell/dialogs/fixed_star_ayanamsa_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/angle_time.h"
#include "core/fixed_stars.h"
#include "core/printed_angle.h"
#include "core/zodiac_names.h"

CFixedStarAyanamsaDlg::CFixedStarAyanamsaDlg(QWidget* parent)
    : CMemberDialog(parent, "Fixed Star Based Custom Ayanamsa") {
    m_star = new QComboBox(this);
    for (const FixedStarEntry& star : g_fixedStarList.entries)
        m_star->addItem(QString::fromStdString(star.displayName));
    m_position = new QLabel(this);
    m_heldAt = MakeDmsEdits(this);
    m_sign = new QComboBox(this);
    for (const char* sign : g_signNames) m_sign->addItem(sign);
    m_fixedPlane = new QCheckBox(
        "Use a FIXED mean solar rotation plane\ninstead of the fluctuating ecliptic plane.", this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_star);
    layout->addWidget(m_position);
    auto* held = new QHBoxLayout;
    held->addWidget(new QLabel("Hold the star at", this));
    AddDmsEdits(held, m_heldAt);
    held->addWidget(m_sign);
    held->addStretch();
    layout->addLayout(held);
    layout->addWidget(m_fixedPlane);
    AddOkCancel(layout);
    connect(m_star, &QComboBox::currentIndexChanged, this, &CFixedStarAyanamsaDlg::OnStarChanged);
}

void CFixedStarAyanamsaDlg::LoadControls() {
    const bool inList = m_nStar >= 0 && m_nStar < g_fixedStarList.Count();
    m_star->setCurrentIndex(inList ? m_nStar : 0);
    m_heldAt.degrees->setText(NumberText(m_nDegrees));
    m_heldAt.minutes->setText(NumberText(m_nMinutes));
    m_heldAt.seconds->setText(SixtiethsText(m_dSeconds));
    SelectIndex(m_sign, m_nSign);
    m_fixedPlane->setChecked(m_bFixedPlane != 0);
    OnStarChanged();
}

void CFixedStarAyanamsaDlg::OnStarChanged() {
    const int index = m_star->currentIndex();
    if (index < 0 || index >= g_fixedStarList.Count()) {
        m_position->clear();
        return;
    }
    const FixedStarEntry& star = g_fixedStarList.entries[index];
    const PrintedDms position = SplitPrintedLongitude(star.longitude, DmsField::kHundredths);
    m_position->setText(QString::asprintf("Longitude %d %s %d' %.2f\", Latitude %.2f deg", position.degrees,
                                          g_signNames[position.sign], position.minutes, position.seconds,
                                          star.latitude));
}

bool CFixedStarAyanamsaDlg::StoreControls() {
    const auto heldAt = ReadDmsFields(m_heldAt, 29, m_dSeconds);
    if (!heldAt) return false;
    m_nStar = m_star->currentIndex();
    m_nDegrees = heldAt->degrees, m_nMinutes = heldAt->minutes, m_dSeconds = heldAt->seconds;
    m_nSign = m_sign->currentIndex();
    m_bFixedPlane = m_fixedPlane->isChecked() ? 1 : 0;
    return true;
}
