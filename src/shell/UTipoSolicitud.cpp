// SPDX-License-Identifier: EUPL-1.2
#include "UTipoSolicitud.h"

#include "ZovRecords.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kTipos[] = {"Solicitud de Inscripción", "Solicitud de Renovación",
                              "Solicitud de Cambio de Representante", "Solicitud de Actualización de Datos",
                              "Solicitud de Baja Voluntaria"};

} // namespace

TFTipoSolicitud::TFTipoSolicitud(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FTipoSolicitud"));
    setWindowTitle(QStringLiteral("Tipo de solicitud a tramitar"));
    cmbTipoSolicitud = new QComboBox(this);
    cmbTipoSolicitud->setObjectName(QStringLiteral("cmbTipoSolicitud"));
    for (const char *tipo : kTipos)
        cmbTipoSolicitud->addItem(QString::fromUtf8(tipo));
    txtObservaciones = new QPlainTextEdit(this);
    txtObservaciones->setObjectName(QStringLiteral("txtObservaciones"));

    auto *botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botones->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnAceptar"));
    botones->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    botones->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancelar"));
    botones->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("TIPO DE SOLICITUD:"), this));
    layout->addWidget(cmbTipoSolicitud);
    layout->addWidget(new QLabel(QStringLiteral("OBSERVACIONES"), this));
    layout->addWidget(txtObservaciones, 1);
    layout->addWidget(botones);
    resize(460, 300);
}

QString TFTipoSolicitud::Tipo() const
{
    return cmbTipoSolicitud->currentText();
}

void TFTipoSolicitud::Aplicar(TDatosSolicitud &solicitud) const
{
    solicitud.Tipo = Tipo();
}
