// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The request-type dialog: the kind of request and free observations. It is
// created at start-up, but no command shows it: the request type only carries
// what a file brought in.

#include <QDialog>

class QComboBox;
class QPlainTextEdit;
struct TDatosSolicitud;

class TFTipoSolicitud : public QDialog
{
    Q_OBJECT

public:
    explicit TFTipoSolicitud(QWidget *parent = nullptr);

    // The item chosen in the list.
    QString Tipo() const;
    // What OK does: the chosen item becomes the application's request type.
    void Aplicar(TDatosSolicitud &solicitud) const;

private:
    QComboBox *cmbTipoSolicitud;
    QPlainTextEdit *txtObservaciones;
};
