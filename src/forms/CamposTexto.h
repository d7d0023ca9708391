// SPDX-License-Identifier: EUPL-1.2
#pragma once

// A section of text fields built from a table of field descriptions: one row
// per field (name, label, limits, model field, message, rule) and one loop to
// create, fill, copy and check them. R is the record the fields edit.

#include "AlignEdit.h"
#include "UAuxiliar.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QList>

#include <functional>
#include <span>

template <class R> struct TCampoTexto
{
    const char *nombre;   // objectName of the box
    const char *etiqueta; // its label
    int maxLength;        // 0: unlimited
    bool upper;
    TAlignEdit::TAlign alineacion;
    QString &(*campo)(R &);          // the model field it edits
    const char *mensaje;             // shown when validation stops here; "" for none
    bool (*valido)(const QString &); // the rule; nullptr: any text passes
};

template <class R> class TTablaCampos
{
public:
    // Creates the section's boxes under a group titled `titulo` in `parent`;
    // `editado` runs on every edit the user makes.
    TTablaCampos(std::span<const TCampoTexto<R>> campos, const QString &titulo, QWidget *parent,
                 const std::function<void()> &editado)
        : _campos(campos), _grupo(new QGroupBox(titulo, parent))
    {
        auto *form = new QFormLayout(_grupo);
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (const TCampoTexto<R> &c : _campos) {
            auto *box = new TAlignEdit(_grupo);
            box->setObjectName(QString::fromLatin1(c.nombre));
            box->setMaxLength(c.maxLength > 0 ? c.maxLength : 32767);
            box->SetUpperCase(c.upper);
            box->SetAlignment(c.alineacion);
            QObject::connect(box, &QLineEdit::textEdited, _grupo, [editado] { editado(); });
            form->addRow(QString::fromUtf8(c.etiqueta), box);
            _boxes.append(box);
        }
    }

    QGroupBox *Grupo() const { return _grupo; }
    TAlignEdit *Box(int i) const { return _boxes.at(i); }

    void Mostrar(R &r) const
    {
        for (int i = 0; i < _boxes.size(); ++i)
            _boxes[i]->setText(_campos[i].campo(r));
    }
    void Vaciar() const
    {
        for (TAlignEdit *box : _boxes)
            box->clear();
    }
    void Copiar(R &r) const
    {
        for (int i = 0; i < _boxes.size(); ++i)
            _campos[i].campo(r) = _boxes[i]->text();
    }
    // The first box whose rule fails, or nullptr.
    TAlignEdit *Validar() const
    {
        for (int i = 0; i < _boxes.size(); ++i) {
            if (_campos[i].valido && !_campos[i].valido(_boxes[i]->text()))
                return _boxes[i];
        }
        return nullptr;
    }
    // The message of one of the section's boxes; empty for another widget.
    QString Mensaje(const QWidget *field) const
    {
        for (int i = 0; i < _boxes.size(); ++i) {
            if (_boxes[i] == field)
                return QString::fromUtf8(_campos[i].mensaje);
        }
        return {};
    }

private:
    std::span<const TCampoTexto<R>> _campos;
    QGroupBox *_grupo;
    QList<TAlignEdit *> _boxes;
};

// Rules used by the tables.
inline bool NoVacio(const QString &text)
{
    return !EstaVacio(text);
}
inline bool VacioOCIF(const QString &text)
{
    return EstaVacio(text) || EsCIF(text.trimmed());
}
