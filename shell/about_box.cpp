#include "shell/about_box.h"

#include "shell/app_icon.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

void RunAboutBox(QWidget* parent) {
    QDialog box(parent);
    box.setWindowTitle("About Kalomithra Hora");
    auto* layout = new QVBoxLayout(&box);
    auto* icon = new QLabel(&box);
    icon->setPixmap(QPixmap::fromImage(ApplicationIconImage(64)));
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    auto* name = new QLabel("<b>Kalomithra Hora</b>", &box);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel("Version 8.0", &box), 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel("Vedic astrology: charts, vargas, strengths, dasas and transits.", &box), 0,
                      Qt::AlignHCenter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.exec();
}
