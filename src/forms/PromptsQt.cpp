// SPDX-License-Identifier: EUPL-1.2
#include "PromptsQt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QWidget *DialogParent()
{
    return QApplication::activeWindow();
}

QMessageBox::Icon IconOf(TMsgKind kind)
{
    switch (kind) {
    case TMsgKind::Warning:
        return QMessageBox::Warning;
    case TMsgKind::Error:
        return QMessageBox::Critical;
    case TMsgKind::Information:
        return QMessageBox::Information;
    case TMsgKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct TBoton
{
    QMessageBox::StandardButton standard;
    const char *texto;
    TMsgResult resultado;
};

// The buttons of each set, with the Spanish texts (Qt's own would be English
// where no translation is installed).
QList<TBoton> ButtonsOf(TMsgButtons buttons)
{
    const TBoton ok{QMessageBox::Ok, "Aceptar", TMsgResult::Ok};
    const TBoton cancel{QMessageBox::Cancel, "Cancelar", TMsgResult::Cancel};
    const TBoton yes{QMessageBox::Yes, "Sí", TMsgResult::Yes};
    const TBoton no{QMessageBox::No, "No", TMsgResult::No};
    switch (buttons) {
    case TMsgButtons::Ok:
        return {ok};
    case TMsgButtons::OkCancel:
        return {ok, cancel};
    case TMsgButtons::YesNo:
        return {yes, no};
    case TMsgButtons::YesNoCancel:
        return {yes, no, cancel};
    }
    return {ok};
}

} // namespace

TMsgResult TQtPrompts::ShowMessage(TMsgKind kind, TMsgButtons buttons, const QString &title, const QString &text)
{
    QMessageBox box(IconOf(kind), title, text, QMessageBox::NoButton, DialogParent());
    const QList<TBoton> botones = ButtonsOf(buttons);
    for (const TBoton &b : botones)
        box.addButton(b.standard)->setText(QString::fromUtf8(b.texto));
    box.setDefaultButton(botones.first().standard);
    box.exec();
    const auto pulsado = static_cast<QMessageBox::StandardButton>(box.standardButton(box.clickedButton()));
    for (const TBoton &b : botones) {
        if (b.standard == pulsado)
            return b.resultado;
    }
    // Closed without a button: the set's way of saying no.
    switch (buttons) {
    case TMsgButtons::Ok:
        return TMsgResult::Ok;
    case TMsgButtons::YesNo:
        return TMsgResult::No;
    default:
        return TMsgResult::Cancel;
    }
}

std::optional<QString> TQtPrompts::InputText(const QString &title, const QString &prompt, const QString &defaultText)
{
    QInputDialog dialog(DialogParent());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("Aceptar"));
    dialog.setCancelButtonText(QStringLiteral("Cancelar"));
    dialog.resize(420, dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString TQtPrompts::QtFilter(const QString &filter)
{
    const QString descripcion = filter.section(u'|', 0, 0);
    QString mascara = filter.section(u'|', 1);
    // "*.ZOV" becomes "*.[Zz][Oo][Vv]": Qt's dialog matches masks with case.
    QString insensible;
    for (const QChar c : mascara) {
        if (c.isLetter())
            insensible += u'[' + c.toUpper() + c.toLower() + u']';
        else
            insensible += c;
    }
    // Qt takes the masks from the last parentheses; HideNameFilterDetails then
    // shows only the description as written.
    return descripcion + QStringLiteral(" (") + insensible + u')';
}

std::optional<QString> TQtPrompts::AskFile(const TFileRequest &request)
{
    const bool abrir = request.kind == TFileDialogKind::Open;
    QString &ultimo = abrir ? _lastOpen : _lastSave;
    QFileDialog dialog(DialogParent(), request.title);
    dialog.setAcceptMode(abrir ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(abrir ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The commands ask about overwriting themselves, with their own texts.
    dialog.setOptions(QFileDialog::HideNameFilterDetails | QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(QtFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    // The first time, the user's own folder (not wherever the program started).
    dialog.setDirectory(ultimo.isEmpty() ? QDir::homePath() : QFileInfo(ultimo).absolutePath());
    if (!ultimo.isEmpty())
        dialog.selectFile(ultimo);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    dialog.resize(760, 480);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    ultimo = dialog.selectedFiles().constFirst();
    return ultimo;
}

bool TQtPrompts::OpenUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

int TQtPrompts::RunModal(QDialog &dialog)
{
    return dialog.exec();
}
