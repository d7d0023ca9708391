// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The application page (the application proper): for now the applying
// entity's name and tax number and the request type, over the page contract.

#include "CamposTexto.h"
#include "PaginaBase.h"

class TFSolicitud : public TPaginaBase<TPaginaCuestionario>
{
    Q_OBJECT

public:
    explicit TFSolicitud(QWidget *parent = nullptr);

    TDatosRegistroZOV *GetZOV() override;
    void RefreshView() override;
    QWidget *ValidateView() override;
    QString FieldMessage(const QWidget *field) const override;

private:
    TTablaCampos<TDatosZOV> _entidad;
    // The request type comes from the file and goes back unchanged: shown only.
    TAlignEdit *_txtTipo;
};
