// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The members page: one questionnaire per member entity. It edits a working
// list of its own, copied from the data object's members and back. For now a
// member is its name and tax number, picked from a list of names.

#include "CamposTexto.h"
#include "PaginaBase.h"

class QListWidget;
class QToolButton;
class TPrompts;

class TFMiembros : public TPaginaBase<TPaginaMiembros>
{
    Q_OBJECT

public:
    // The prompt service asks before a member is removed.
    explicit TFMiembros(TPrompts &prompts, QWidget *parent = nullptr);

    // Keeps the working list in step with a different data object.
    void SetZOV(TDatosRegistroZOV *zov) override;
    TDatosRegistroZOV *GetZOV() override;
    // Shows the current member; Modified stays as it is.
    void RefreshView() override;
    QWidget *ValidateView() override;
    QString FieldMessage(const QWidget *field) const override;
    void ReloadZOV() override;
    void UpdateViewControls() override;

    void sbAddClick();
    void sbRemoveClick();

protected:
    // Hiding applies the page: the working list goes into the data object.
    void AlOcultar() override { ApplyChanges(); }

private:
    bool IndiceValido(int i) const { return i >= 0 && i < _miembros.size(); }
    // The member shown goes back into the working list.
    void RefreshData();
    void SetIndice(int i);
    void MostrarNombres();
    void MiembroEditado();

    TPrompts &_prompts;
    TDatosMiembros _miembros;
    int _index = -1;
    TTablaCampos<TDatosMiembro> _identificacion;
    QListWidget *_lista;
    QToolButton *_sbAdd;
    QToolButton *_sbRemove;
};
