// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The common part of the questionnaire pages: the data object, the Modified
// flag and MsgError, the scrolling content with its heading, and the copy of
// the page into the data object whenever the page is hidden.

#include "PaginaCuestionario.h"
#include "UDatos.h"

#include <QHideEvent>
#include <QString>
#include <QWidget>

class QVBoxLayout;

// Lays out a page: caption, a vertically scrolling area and the heading at
// its top. Returns the layout where the sections go.
QVBoxLayout *MontarPagina(QWidget *page, const QString &caption, const QString &heading);

// TInterfaz is TPaginaCuestionario, or TPaginaMiembros for the members page.
template <class TInterfaz> class TPaginaBase : public QWidget, public TInterfaz
{
public:
    TPaginaBase(const QString &caption, const QString &heading, QWidget *parent)
        : QWidget(parent), _contenido(MontarPagina(this, caption, heading))
    {
    }

    QWidget *Vista() override { return this; }
    // A different data object is stored and shown; the same one changes nothing.
    void SetZOV(TDatosRegistroZOV *zov) override
    {
        if (zov == _datosZOV)
            return;
        _datosZOV = zov;
        this->RefreshView();
    }
    void ApplyChanges() override
    {
        if (!_datosZOV)
            return;
        // The control identifier stands for the data as they were: an edit voids it.
        if (_modified)
            _datosZOV->ZOV.Solicitud.Control.clear();
        this->GetZOV();
        _modified = false;
    }
    bool Modified() const override { return _modified; }
    void SetModified(bool modified) override { _modified = modified; }
    QString MsgError() const override { return _msgError; }

protected:
    TDatosRegistroZOV *Datos() const { return _datosZOV; }
    void SetDatos(TDatosRegistroZOV *zov) { _datosZOV = zov; }
    void SetMsgError(const QString &message) { _msgError = message; }
    QVBoxLayout *Contenido() const { return _contenido; }

    // What hiding the page does with its edits: copies them into the data object.
    virtual void AlOcultar() { this->GetZOV(); }
    void hideEvent(QHideEvent *event) override
    {
        // Leaving the page keeps what was typed: the data object gets it now.
        // A minimised window hides its pages too (spontaneously): no copy then.
        if (_datosZOV && !event->spontaneous())
            AlOcultar();
        QWidget::hideEvent(event);
    }

private:
    TDatosRegistroZOV *_datosZOV = nullptr;
    bool _modified = false;
    QString _msgError;
    QVBoxLayout *_contenido;
};
