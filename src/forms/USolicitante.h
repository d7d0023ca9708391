// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The applicant page (the applying entity's data): for now its name and tax
// number, over the page contract.

#include "CamposTexto.h"
#include "PaginaBase.h"

class TFSolicitante : public TPaginaBase<TPaginaCuestionario>
{
    Q_OBJECT

public:
    explicit TFSolicitante(QWidget *parent = nullptr);

    TDatosRegistroZOV *GetZOV() override;
    void RefreshView() override;
    // Its rules carry their own messages (MsgError); a box without one leaves
    // the main window's text for this page.
    QWidget *ValidateView() override;
    QString FieldMessage(const QWidget *) const override { return {}; }

private:
    TTablaCampos<TDatosZOV> _identificacion;
};
